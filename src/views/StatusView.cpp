#include "views/StatusView.h"

#include "views/AppActions.h"

#include "core/AppSettings.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "reports/ExportService.h"
#include "reports/UpdateService.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/ActionableTipView.h"
#include "views/CaptivePortalBanner.h"
#include "views/IssueSummaryView.h"
#include "views/NoInternetBanner.h"
#include "views/PermissionPromptView.h"
#include "views/StatusCard.h"
#include "views/StatusScreenshotView.h"
#include "views/UpdateBanner.h"
#include "views/WidgetSnapshot.h"
#include "views/kit/Buttons.h"
#include "views/kit/FlashMessage.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace Metrics;

namespace {

// Issues a router vendor's advice can help with.
constexpr std::array kBrandIssues{ConnectionIssue::veryWeakSignal,  ConnectionIssue::weakSignal,
                                  ConnectionIssue::highPacketLoss,  ConnectionIssue::highLatency,
                                  ConnectionIssue::moderateLatency, ConnectionIssue::unstableConnection};

} // namespace

StatusView::State StatusView::State::of(const LinkmeterViewModel& viewModel,
                                        const NotificationService& notifications) {
    State state;
    state.wifiInfo = viewModel.wifiInfo();
    state.quality = viewModel.connectionQuality();
    state.isMonitoring = viewModel.isMonitoring();
    state.locationAuthorized = viewModel.locationAuthorized();
    state.notificationsAuthorized = notifications.isAuthorized();
    state.captivePortalStatus = viewModel.captivePortalStatus();
    state.currentIssue = viewModel.currentIssue();
    state.tips = viewModel.tips();
    state.internetAverageLatency = viewModel.internetPingStats().averageLatency;
    return state;
}

std::optional<Tip> StatusView::topTip(std::optional<RouterBrand> brand, std::optional<ConnectionIssue> issue,
                                      const std::vector<Tip>& tips) {
    if (brand && issue && std::find(kBrandIssues.begin(), kBrandIssues.end(), *issue) != kBrandIssues.end()) {
        if (const auto advice = RouterBrandService::brandTip(*issue, *brand)) {
            Tip tip;
            tip.icon = "lightbulb.fill";
            tip.title = "Tip for your " + std::string(rawValue(*brand));
            tip.description = *advice;
            tip.action = adminHint(*brand);
            tip.priority = TipPriority::warning;
            return tip;
        }
    }
    if (tips.empty())
        return std::nullopt;
    return tips.front();
}

StatusView::StatusView(PopoverServices services, QWidget* parent)
    : QWidget(parent), m_services(services), m_updatePresenter(services.updates),
      m_shareFeedback(services.scheduler) {
    setFixedWidth(popoverWidth);
    // The popover is a shade off the window colour so the status card stands out on it.
    setObjectName(QStringLiteral("statusView"));
    styleBox(this, Colour::controlBackground, 1.0, Radius::none);
    m_layout = new QVBoxLayout(this);

    m_portalBanner = new CaptivePortalBanner(this);
    connect(m_portalBanner, &CaptivePortalBanner::openLoginPage, this, &StatusView::openLoginPage);
    m_layout->addWidget(m_portalBanner);
    m_noInternetBanner = new NoInternetBanner(this);
    m_layout->addWidget(m_noInternetBanner);
    m_updateBanner = new UpdateBanner(m_updatePresenter, this);
    m_layout->addWidget(m_updateBanner);
    m_card = new StatusCard(this);
    m_layout->addWidget(m_card);
    m_locationPrompt = new PermissionPromptView(QStringLiteral("location.fill"), Tone::blue,
                                                QStringLiteral("Allow location to see network name"),
                                                QStringLiteral("Allow"), this);
    connect(m_locationPrompt, &PermissionPromptView::triggered, this, &StatusView::requestLocation);
    m_layout->addWidget(m_locationPrompt);
    m_notificationPrompt = new PermissionPromptView(QStringLiteral("bell.fill"), Tone::orange,
                                                    QStringLiteral("Get alerts when connection has issues"),
                                                    QStringLiteral("Enable"), this);
    connect(m_notificationPrompt, &PermissionPromptView::triggered, this, &StatusView::requestNotifications);
    m_layout->addWidget(m_notificationPrompt);
    m_issue = new IssueSummaryView(this);
    m_layout->addWidget(m_issue);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(Space::l);
    auto* diagnostics =
        new QPushButton(buttonSymbol(QStringLiteral("waveform.path.ecg"), this, SymbolSize::xl),
                        QStringLiteral("Diagnostics"), this);
    connect(diagnostics, &QPushButton::clicked, this, &StatusView::showDiagnostics);
    bar->addWidget(diagnostics);
    bar->addStretch();
    m_shareButton = new QToolButton(this);
    m_shareButton->setAutoRaise(true);
    m_shareButton->setAccessibleName(tr("Share a screenshot of the status"));
    m_shareButton->setToolTip(m_shareButton->accessibleName());
    connect(m_shareButton, &QToolButton::clicked, this, &StatusView::share);
    bar->addWidget(m_shareButton);

    m_menu = new QMenu(this);
    // A build without an update feed leaves updates to the package manager.
    for (const std::optional<AppAction>& entry : statusMenu(m_services.updates.checksForUpdates())) {
        if (!entry) {
            m_menu->addSeparator();
            continue;
        }
        connect(
            m_menu->addAction(buttonSymbol(actionSymbol(*entry), this, SymbolSize::xl), actionText(*entry)),
            &QAction::triggered, this, [this, action = *entry] { emit actionTriggered(action); });
    }
    auto* menuButton = new QToolButton(this);
    menuButton->setObjectName(QStringLiteral("menuButton"));
    menuButton->setAutoRaise(true);
    menuButton->setIcon(buttonSymbol(QStringLiteral("ellipsis.circle"), this, SymbolSize::xl));
    menuButton->setMenu(m_menu);
    menuButton->setPopupMode(QToolButton::InstantPopup);
    menuButton->setAccessibleName(tr("More"));
    menuButton->setToolTip(menuButton->accessibleName());
    hideMenuIndicator(menuButton);
    bar->addWidget(menuButton);
    m_layout->addLayout(bar);

    connect(&m_services.settings, &AppSettings::compactModeChanged, this, &StatusView::refresh);
    connect(&m_services.settings, &AppSettings::showTipsChanged, this, &StatusView::refresh);
    connect(&m_shareFeedback, &FlashMessage::changed, this,
            [this](const std::optional<QString>& message) { setShareFeedback(message.has_value()); });
    setShareFeedback(false);
    refresh();
}

void StatusView::bind(LinkmeterViewModel& viewModel, NotificationService& notifications) {
    const auto update = [this, &viewModel, &notifications] { setState(State::of(viewModel, notifications)); };
    using VM = LinkmeterViewModel;
    connect(&viewModel, &VM::wifiInfoChanged, this, update);
    connect(&viewModel, &VM::connectionQualityChanged, this, update);
    connect(&viewModel, &VM::isMonitoringChanged, this, update);
    connect(&viewModel, &VM::locationAuthorizedChanged, this, update);
    connect(&viewModel, &VM::captivePortalStatusChanged, this, update);
    connect(&viewModel, &VM::tipsChanged, this, update);
    connect(&viewModel, &VM::internetPingStatsChanged, this, update);
    connect(&notifications, &NotificationService::isAuthorizedChanged, this, update);
    connect(this, &StatusView::requestLocation, &viewModel, &VM::requestLocationPermission);
    connect(this, &StatusView::openLoginPage, &viewModel, &VM::openCaptivePortalLoginPage);
    connect(this, &StatusView::requestNotifications, &notifications,
            &NotificationService::requestAuthorization);
    update();
}

void StatusView::setState(State state) {
    m_state = std::move(state);
    refresh();
}

void StatusView::refresh() {
    const bool compact = m_services.settings.compactMode();
    m_layout->setSpacing(compact ? Space::m : Space::l);
    m_layout->setContentsMargins(padding(compact ? Space::l : Space::xl));

    const State& s = m_state;
    m_portalBanner->setVisible(s.captivePortalStatus.isCaptivePortal());
    m_noInternetBanner->setVisible(s.captivePortalStatus.isNoInternet());
    if (s.captivePortalStatus.isNoInternet())
        m_noInternetBanner->setMessage(QString::fromStdString(s.captivePortalStatus.reason()));

    std::optional<RouterBrand> brand;
    std::optional<NetworkInsight> insight;
    if (s.wifiInfo) {
        brand = m_services.brands.identifyByBSSID(s.wifiInfo->bssid);
        if (!brand)
            brand = m_services.brands.identifyBySSID(s.wifiInfo->ssid);
        // Each redraw on screen adds one measurement; a score of 0 means nothing was measured yet.
        if (s.quality.score > 0 && isVisible())
            m_services.memory.record(s.wifiInfo->ssid, s.quality.score, s.internetAverageLatency);
        insight = m_services.memory.insight(s.wifiInfo->ssid, s.quality.score);
    }
    m_card->setContent({s.wifiInfo, s.quality, s.isMonitoring, s.locationAuthorized, insight, brand});

    m_locationPrompt->setVisible(!s.locationAuthorized);
    m_notificationPrompt->setVisible(!s.notificationsAuthorized);
    m_issue->setVisible(s.currentIssue.has_value());
    if (s.currentIssue)
        m_issue->setIssue(*s.currentIssue);

    std::optional<Tip> tip;
    if (m_services.settings.showTips() && s.locationAuthorized && s.notificationsAuthorized)
        tip = topTip(brand, s.currentIssue, s.tips);
    if (tip != m_shownTip || (tip && m_tipView && tip->action != m_shownTip->action)) {
        delete m_tipView;
        m_tipView = nullptr;
        if (tip) {
            m_tipView = new ActionableTipView(*tip, brand, this);
            connect(m_tipView, &ActionableTipView::openAdminPage, this, &StatusView::openAddress);
            m_layout->insertWidget(m_layout->indexOf(m_issue) + 1, m_tipView);
        }
        m_shownTip = tip;
    }
}

void StatusView::share() {
    std::optional<Tip> tip;
    if (!m_state.tips.empty())
        tip = m_state.tips.front();
    StatusScreenshotView screenshot(m_state.wifiInfo, m_state.quality, tip);
    const bool copied = m_services.exporter.copyScreenshot(
        [&screenshot](double scale) { return renderWidget(screenshot, scale); });
    if (!copied)
        return;
    // The same message each time: a later copy does not extend an earlier one's time.
    m_shareFeedback.show(QStringLiteral("copied"));
}

void StatusView::setShareFeedback(bool on) {
    m_shareButton->setIcon(buttonSymbol(
        on ? QStringLiteral("checkmark") : QStringLiteral("square.and.arrow.up"), this, SymbolSize::xl));
}
