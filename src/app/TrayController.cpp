#include "app/TrayController.h"

#include "viewmodel/LinkmeterViewModel.h"
#include "views/PopoverView.h"
#include "views/SymbolIcon.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

TrayController::TrayController(LinkmeterViewModel& viewModel, QObject* parent)
    : QObject(parent), m_viewModel(viewModel) {
    const bool trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();

    m_window = std::make_unique<QWidget>(nullptr, trayAvailable ? Qt::Popup : Qt::Window);
    m_window->setWindowTitle(QStringLiteral("Linkmeter"));
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    // The window follows its content as banners and tips come and go.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_view = new PopoverView(m_viewModel, m_window.get());
    layout->addWidget(m_view);
    m_view->setMinimumWidth(340);
    connect(m_view, &PopoverView::quitRequested, this, &TrayController::quitRequested);

    if (!trayAvailable)
        return;

    m_menu = std::make_unique<QMenu>();
    connect(m_menu->addAction(tr("Show Linkmeter")), &QAction::triggered, this, &TrayController::showPopover);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Quit")), &QAction::triggered, this,
            &TrayController::quitRequested);

    m_tray = new QSystemTrayIcon(this);
    m_tray->setContextMenu(m_menu.get());
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            togglePopover();
    });
    connect(&m_viewModel, &LinkmeterViewModel::wifiInfoChanged, this, &TrayController::updateIcon);
    connect(&m_viewModel, &LinkmeterViewModel::captivePortalStatusChanged, this, &TrayController::updateIcon);
    connect(&m_viewModel, &LinkmeterViewModel::connectionQualityChanged, this, &TrayController::updateIcon);
    updateIcon();
    m_tray->show();
}

TrayController::~TrayController() = default;

QWidget* TrayController::popover() const {
    return m_window.get();
}

void TrayController::showPopover() {
    if (m_tray) {
        // Place the popup next to the tray item, kept on screen.
        m_window->adjustSize();
        QRect anchor = m_tray->geometry();
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
    m_viewModel.startMonitoring();
}

void TrayController::togglePopover() {
    if (m_window->isVisible())
        m_window->hide();
    else
        showPopover();
}

void TrayController::updateIcon() {
    if (!m_tray)
        return;
    const QString iconName = QString::fromStdString(m_viewModel.menuBarIcon());
    if (iconName != m_iconName) {
        m_iconName = iconName;
        m_tray->setIcon(symbolIcon(iconName));
    }
    const auto& info = m_viewModel.wifiInfo();
    m_tray->setToolTip(QStringLiteral("Linkmeter — %1 — %2")
                           .arg(info ? QString::fromStdString(info->ssid) : QStringLiteral("Not Connected"))
                           .arg(m_viewModel.connectionQuality().score));
}
