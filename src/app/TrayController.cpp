#include "app/TrayController.h"

#include "core/AppSettings.h"
#include "platform/StatusItem.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/DiagnosticsContentView.h"
#include "views/MainPopoverView.h"
#include "views/MenuBarLabel.h"

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QVBoxLayout>

TrayController::TrayController(LinkmeterViewModel& viewModel, PopoverServices services,
                               NotificationService& notifications, std::unique_ptr<StatusItem> statusItem,
                               bool trayAvailable, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_settings(services.settings),
      m_statusItem(std::move(statusItem)) {
    trayAvailable = trayAvailable || m_statusItem;

    m_window = std::make_unique<QWidget>(nullptr, trayAvailable ? Qt::Popup : Qt::Window);
    m_window->setWindowTitle(QStringLiteral("Linkmeter"));
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    // The window follows its content as banners and tips come and go.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_view = new MainPopoverView(services, m_window.get());
    layout->addWidget(m_view);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_window.get());
    connect(escape, &QShortcut::activated, m_window.get(), &QWidget::hide);

    StatusView* status = m_view->statusView();
    status->bind(m_viewModel, notifications);
    connect(status, &StatusView::historyRequested, this, &TrayController::historyRequested);
    connect(status, &StatusView::settingsRequested, this, &TrayController::settingsRequested);
    connect(status, &StatusView::helpRequested, this, &TrayController::helpRequested);
    connect(status, &StatusView::aboutRequested, this, &TrayController::aboutRequested);
    connect(status, &StatusView::quitRequested, this, &TrayController::quitRequested);
    DiagnosticsContentView* diagnostics = m_view->diagnosticsView();
    diagnostics->bind(m_viewModel);
    diagnostics->addNetworkPanels(m_viewModel, services.scanner, services.networkInfo);
    connect(diagnostics, &DiagnosticsContentView::settingsRequested, this,
            &TrayController::settingsRequested);
    connect(diagnostics, &DiagnosticsContentView::quitRequested, this, &TrayController::quitRequested);
    connect(status, &StatusView::openAddress, this,
            [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); });

    if (!trayAvailable)
        return;

    m_menu = std::make_unique<QMenu>();
    connect(m_menu->addAction(tr("Show Linkmeter")), &QAction::triggered, this, &TrayController::showPopover);
    m_menu->addSeparator();
    m_menu->addActions(status->menu()->actions());

    if (m_statusItem) {
        m_statusItem->activated = [this](QPoint at) {
            if (m_window->isVisible())
                m_window->hide();
            else
                showPopoverAt(at.isNull() ? QRect() : QRect(at, QSize(1, 1)));
        };
        m_statusItem->contextMenuRequested = [this](QPoint at) {
            m_menu->popup(at.isNull() ? QCursor::pos() : at);
        };
    } else {
        m_tray = new QSystemTrayIcon(this);
        m_tray->setContextMenu(m_menu.get());
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                togglePopover();
        });
    }
    using VM = LinkmeterViewModel;
    connect(&m_viewModel, &VM::captivePortalStatusChanged, this, &TrayController::updateLabel);
    connect(&m_viewModel, &VM::connectionQualityChanged, this, &TrayController::updateLabel);
    connect(&m_viewModel, &VM::internetPingStatsChanged, this, &TrayController::updateLabel);
    connect(&m_viewModel, &VM::bandwidthSpeedChanged, this, &TrayController::updateLabel);
    connect(&m_settings, &AppSettings::menuBarDisplayModeChanged, this, &TrayController::updateLabel);
    connect(&m_settings, &AppSettings::showMenuBarIconChanged, this, &TrayController::updateLabel);
    connect(&m_settings, &AppSettings::showMenuBarTextChanged, this, &TrayController::updateLabel);
    updateLabel();
    if (m_tray)
        m_tray->show();
}

TrayController::~TrayController() = default;

QWidget* TrayController::popover() const {
    return m_window.get();
}

void TrayController::showPopover() {
    showPopoverAt(m_tray ? m_tray->geometry() : QRect());
}

void TrayController::showPopoverAt(QRect anchor) {
    if (hasTray()) {
        // Below the tray item, kept on screen; at the cursor where the item's place is unknown
        // (Wayland does not tell).
        m_window->adjustSize();
        if (!anchor.isValid())
            anchor = QRect(QCursor::pos(), QSize(1, 1));
        const QScreen* screen = QGuiApplication::screenAt(anchor.center());
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        QPoint topLeft(anchor.center().x() - m_window->width() / 2, anchor.bottom() + 4);
        if (topLeft.y() + m_window->height() > area.bottom())
            topLeft.setY(anchor.top() - m_window->height() - 4);
        topLeft.setX(
            std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - m_window->width())));
        topLeft.setY(
            std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - m_window->height())));
        m_window->move(topLeft);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    emit popoverShown();
}

void TrayController::togglePopover() {
    if (m_window->isVisible())
        m_window->hide();
    else
        showPopover();
}

void TrayController::updateLabel() {
    const MenuBarLabel label(m_viewModel, m_settings);
    const QString text = label.text();
    const QString toolTip =
        text.isEmpty() ? QStringLiteral("Linkmeter") : QStringLiteral("Linkmeter: %1").arg(text);
    if (m_statusItem) {
        std::vector<QImage> icons;
        for (const int size : {16, 22, 24, 32, 48})
            if (const QImage icon = label.icon(size); !icon.isNull())
                icons.push_back(icon);
        m_statusItem->setLabel(icons, text, toolTip);
        return;
    }
    // The system tray shows pictures only, so the text goes into the tooltip.
    const QImage icon = label.icon(64);
    m_tray->setIcon(icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon)));
    m_tray->setToolTip(toolTip);
}
