#include "app/TrayController.h"

#include "platform/StatusItem.h"
#include "reports/UpdateService.h"
#include "viewmodel/ChannelRecommendationsPresenter.h"
#include "viewmodel/ChannelUsagePresenter.h"
#include "viewmodel/DiagnosticsPresenter.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/NearbyNetworksPresenter.h"
#include "viewmodel/NetworkInfoPresenter.h"
#include "viewmodel/StatusPresenter.h"
#include "viewmodel/TrayLabelPresenter.h"
#include "views/DiagnosticsContentView.h"
#include "views/MainPopoverView.h"
#include "views/MenuBarLabel.h"
#include "views/StatusView.h"
#include "views/kit/Metrics.h"
#include "views/kit/SymbolIcon.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kPopoverGap = 4;

// Wayland tells no program where anything is on screen, so the popover cannot be placed by us.
bool canPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The popover as a small window of its own size: closed, or minimised when it is the program's only
// way back; never maximised.
Qt::WindowFlags windowFlags(bool hasTray) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (!hasTray)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

} // namespace

QPoint popoverTopLeft(QRect anchor, QSize popover, QRect area) {
    QPoint topLeft(anchor.center().x() - popover.width() / 2, anchor.bottom() + kPopoverGap);
    if (topLeft.y() + popover.height() > area.bottom())
        topLeft.setY(anchor.top() - popover.height() - kPopoverGap);
    topLeft.setX(
        std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - popover.width())));
    topLeft.setY(
        std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - popover.height())));
    return topLeft;
}

TrayController::TrayController(LinkmeterViewModel& viewModel, ShellServices services,
                               NotificationService& notifications, std::unique_ptr<StatusItem> statusItem,
                               bool systemTrayAvailable, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_updates(services.updates),
      m_statusItem(std::move(statusItem)), m_systemTrayAvailable(systemTrayAvailable),
      m_windowFlags(windowFlags(false)),
      m_label(std::make_unique<TrayLabelPresenter>(
          viewModel, services.settings, qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString())) {
    m_window = std::make_unique<QWidget>(nullptr, m_windowFlags);
    m_window->setWindowTitle(QStringLiteral("Linkmeter"));
    m_window->installEventFilter(this);
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(QMargins());
    // The window follows its content as banners and tips come and go.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_statusPresenter = std::make_unique<StatusPresenter>(StatusPresenter::Services{
        services.settings, services.memory, services.brands, services.updates, services.exporter});
    m_statusPresenter->bind(m_viewModel, notifications);
    m_diagnosticsPresenter = std::make_unique<DiagnosticsPresenter>(services.exporter);
    m_diagnosticsPresenter->bind(m_viewModel);
    const NetworkPanelPresenters panels{*new NetworkInfoPresenter(m_viewModel, services.networkInfo, this),
                                        *new NearbyNetworksPresenter(services.scanner, this),
                                        *new ChannelUsagePresenter(services.scanner, this),
                                        *new ChannelRecommendationsPresenter(services.scanner, this)};
    m_view = new MainPopoverView(*m_statusPresenter, *m_diagnosticsPresenter, panels, services.scheduler,
                                 m_window.get());
    layout->addWidget(m_view);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_window.get());
    connect(escape, &QShortcut::activated, this, [this] {
        // The program's only window stays: it is the one way back to it.
        if (hasTray())
            m_window->hide();
    });

    StatusView* status = m_view->statusView();
    connect(status, &StatusView::actionTriggered, this, &TrayController::actionTriggered);
    DiagnosticsContentView* diagnostics = m_view->diagnosticsView();
    connect(diagnostics, &DiagnosticsContentView::settingsRequested, this,
            [this] { emit actionTriggered(AppAction::settings); });
    connect(diagnostics, &DiagnosticsContentView::quitRequested, this,
            [this] { emit actionTriggered(AppAction::quit); });
    connect(status, &StatusView::openAddress, this,
            [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); });

    m_menu = std::make_unique<QMenu>();
    if (m_statusItem) {
        m_statusItem->activated = [this](QPoint at) { togglePopoverAt(at); };
        m_statusItem->contextMenuRequested = [this](QPoint at) {
            m_menu->popup(at.isNull() ? QCursor::pos() : at);
        };
        m_statusItem->menuActionTriggered = [this](const QString& name) { triggerNamed(name); };
        m_statusItem->shownChanged = [this](bool) { setPresence(choosePresence()); };
    }
    // The panel's item gets the label before any tray icon exists; a tray icon draws it when made.
    connect(m_label.get(), &TrayLabelPresenter::changed, this, &TrayController::updateLabel);
    updateLabel();
    setPresence(choosePresence());

    connect(&m_viewModel, &LinkmeterViewModel::isMonitoringChanged, this, &TrayController::updateMenu);
    updateMenu();
}

TrayController::~TrayController() {
    m_window->removeEventFilter(this);
}

QWidget* TrayController::popover() const {
    return m_window.get();
}

bool TrayController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window.get() && event->type() == QEvent::Close && m_presence == Presence::window)
        emit windowClosed();
    return QObject::eventFilter(watched, event);
}

TrayController::Presence TrayController::choosePresence() const {
    // Best first; the first that can serve here wins. A panel that goes away (a restart) usually
    // comes back, and the item with it, so the panel keeps the program meanwhile.
    const std::array<std::pair<Presence, bool>, 3> ways{{
        {Presence::panel, m_statusItem && (m_statusItem->isShown() || m_presence == Presence::panel)},
        {Presence::systemTray, m_systemTrayAvailable},
        {Presence::window, true},
    }};
    for (const auto& [presence, serves] : ways)
        if (serves)
            return presence;
    return Presence::window;
}

void TrayController::setPresence(Presence presence) {
    const Presence previous = m_presence;
    m_presence = presence;
    if (presence != Presence::systemTray) {
        m_systemTray.reset();
    } else if (!m_systemTray) {
        m_systemTray = std::make_unique<QSystemTrayIcon>();
        m_systemTray->setContextMenu(m_menu.get());
        connect(m_systemTray.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger)
                        togglePopoverAt(QPoint());
                });
        showLabelInSystemTray();
        m_systemTray->show();
    }
    // A popup closes when the user clicks elsewhere, as a popover should; it needs a place on screen.
    const Qt::WindowFlags flags = hasTray() && canPlaceWindows() ? Qt::Popup : windowFlags(hasTray());
    if (flags != m_windowFlags) {
        const bool wasVisible = m_window->isVisible();
        m_windowFlags = flags;
        m_window->setWindowFlags(flags);
        if (wasVisible && !hasTray())
            m_window->show();
    }
    // The fallback window gives way to the tray.
    if (previous == Presence::window && hasTray())
        m_window->hide();
    if (presence != previous)
        emit presenceChanged(presence);
}

void TrayController::showPopover() {
    showPopoverAt(m_systemTray ? m_systemTray->geometry() : QRect());
}

void TrayController::showPopoverAt(QRect anchor) {
    if (m_windowFlags == Qt::Popup) {
        m_window->adjustSize();
        // At the cursor where the item's place is unknown.
        if (!anchor.isValid())
            anchor = QRect(QCursor::pos(), QSize(1, 1));
        const QScreen* screen = QGuiApplication::screenAt(anchor.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        m_window->move(popoverTopLeft(anchor, m_window->size(), area));
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    emit popoverShown();
}

void TrayController::showDiagnostics() {
    m_view->setShowDiagnostics(true);
    showPopover();
}

void TrayController::togglePopoverAt(QPoint at) {
    if (m_window->isVisible())
        m_window->hide();
    else if (at.isNull())
        showPopover();
    else
        showPopoverAt(QRect(at, QSize(1, 1)));
}

void TrayController::triggerNamed(const QString& name) {
    if (const auto action = appActionNamed(name))
        emit actionTriggered(*action);
}

void TrayController::updateMenu() {
    std::vector<StatusMenuEntry> entries;
    m_menu->clear();
    for (const std::optional<AppAction>& entry :
         trayMenu(m_viewModel.isMonitoring(), m_updates.checksForUpdates())) {
        if (!entry) {
            entries.push_back({QString(), QString(), true, true});
            m_menu->addSeparator();
            continue;
        }
        entries.push_back({actionName(*entry), actionText(*entry), true, false});
        connect(
            m_menu->addAction(symbolIcon(actionSymbol(*entry), m_menu->palette().color(QPalette::WindowText),
                                         Metrics::SymbolSize::xl),
                              actionText(*entry)),
            &QAction::triggered, this, [this, action = *entry] { emit actionTriggered(action); });
    }
    if (m_statusItem)
        m_statusItem->setMenu(entries);
}

void TrayController::updateLabel() {
    if (m_statusItem) {
        const MenuBarLabel label(m_label->screen());
        std::vector<QImage> icons;
        for (const int size : {16, 22, 24, 32, 48})
            if (const QImage icon = label.icon(size); !icon.isNull())
                icons.push_back(icon);
        // The panel shows the item's title above the tooltip's text: the reading alone is enough.
        m_statusItem->setLabel(icons, label.label().text, label.label().text);
    }
    if (m_systemTray)
        showLabelInSystemTray();
}

void TrayController::showLabelInSystemTray() {
    // The plain tray shows pictures only, so the text goes into the tooltip.
    const MenuBarLabel label(m_label->screen());
    const QImage icon = label.icon(64);
    m_systemTray->setIcon(icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon)));
    m_systemTray->setToolTip(label.label().toolTip);
}
