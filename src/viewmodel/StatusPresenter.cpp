#include "viewmodel/StatusPresenter.h"

#include "core/AppSettings.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "reports/ExportService.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <algorithm>
#include <array>

namespace {

// Issues a router vendor's advice can help with.
constexpr std::array kBrandIssues{ConnectionIssue::veryWeakSignal,  ConnectionIssue::weakSignal,
                                  ConnectionIssue::highPacketLoss,  ConnectionIssue::highLatency,
                                  ConnectionIssue::moderateLatency, ConnectionIssue::unstableConnection};

// The rule texts are English for now; they pass through unchanged.
QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

struct Headline {
    QString title;
    QString description;
};

Headline headline(QualityRating rating) {
    switch (rating) {
    case QualityRating::excellent:
        return {QObject::tr("Looking Great!"), QObject::tr("Perfect for video calls and streaming")};
    case QualityRating::good:
        return {QObject::tr("All Good"), QObject::tr("Should work well for most things")};
    case QualityRating::fair:
        return {QObject::tr("Hanging In There"), QObject::tr("Might be a bit slow at times")};
    case QualityRating::poor:
        return {QObject::tr("Having Trouble"), QObject::tr("You may notice some hiccups")};
    case QualityRating::bad:
        return {QObject::tr("Struggling"), QObject::tr("Things might not work well")};
    case QualityRating::unknown:
        break;
    }
    return {QObject::tr("Checking..."), QObject::tr("Give me a moment...")};
}

StatusCardScreen card(const StatusInputs& in, const StatusContext& context) {
    StatusCardScreen card;
    if (in.wifiInfo) {
        card.network = text(in.wifiInfo->ssid);
        card.networkKnown = true;
        QString details = text(rawValue(in.wifiInfo->band));
        if (context.brand)
            details += QStringLiteral(" • ") + text(rawValue(*context.brand));
        card.details = details;
        card.rssi = in.wifiInfo->rssi;
        card.showsSignal = true;
    } else {
        card.network = in.locationAuthorized ? QObject::tr("Not Connected") : QObject::tr("Unknown Network");
        card.showsLocationRequired = !in.locationAuthorized;
    }
    card.score = QString::number(in.quality.score);
    const Headline head = headline(in.quality.rating);
    card.headline = head.title;
    card.description = head.description;
    card.rating = tone(in.quality.rating);
    if (context.insight) {
        const auto kind = context.insight->kind;
        const bool good =
            kind == NetworkInsight::Kind::betterThanUsual || kind == NetworkInsight::Kind::consistentlyGood;
        card.insight = StatusCardScreen::Insight{
            good ? QStringLiteral("arrow.up.right") : QStringLiteral("arrow.down.right"),
            text(displayText(*context.insight)), good ? Tone::green : Tone::orange};
    }
    card.showsPaused = !in.isMonitoring;
    return card;
}

StatusTipScreen tipScreen(const Tip& tip, std::optional<RouterBrand> brand) {
    StatusTipScreen screen{text(tip.title), text(tip.description), std::nullopt, std::nullopt, {}};
    if (tip.action)
        screen.action = text(*tip.action);
    if (brand) {
        if (const auto page = adminPage(*brand)) {
            screen.adminButton = QObject::tr("Open %1 Settings").arg(text(rawValue(*brand)));
            screen.adminAddress = text(*page);
        }
    }
    return screen;
}

} // namespace

StatusInputs StatusInputs::of(const LinkmeterViewModel& viewModel, const NotificationService& notifications) {
    StatusInputs inputs;
    inputs.wifiInfo = viewModel.wifiInfo();
    inputs.quality = viewModel.connectionQuality();
    inputs.isMonitoring = viewModel.isMonitoring();
    inputs.locationAuthorized = viewModel.locationAuthorized();
    inputs.notificationsAuthorized = notifications.isAuthorized();
    inputs.captivePortalStatus = viewModel.captivePortalStatus();
    inputs.currentIssue = viewModel.currentIssue();
    inputs.tips = viewModel.tips();
    inputs.internetAverageLatency = viewModel.internetPingStats().averageLatency;
    return inputs;
}

std::optional<Tip> topTip(std::optional<RouterBrand> brand, std::optional<ConnectionIssue> issue,
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

StatusScreen statusScreen(const StatusInputs& in, const StatusContext& context) {
    StatusScreen screen;
    screen.compact = context.compact;
    screen.showsPortalBanner = in.captivePortalStatus.isCaptivePortal();
    if (in.captivePortalStatus.isNoInternet())
        screen.noInternetMessage = text(in.captivePortalStatus.reason());
    screen.card = card(in, context);
    screen.showsLocationPrompt = !in.locationAuthorized;
    screen.showsNotificationPrompt = !in.notificationsAuthorized;
    if (in.currentIssue)
        screen.issue = IssueSummaryScreen{text(icon(*in.currentIssue)), text(message(*in.currentIssue)),
                                          tone(*in.currentIssue)};
    if (context.showTips && in.locationAuthorized && in.notificationsAuthorized) {
        if (const auto tip = topTip(context.brand, in.currentIssue, in.tips))
            screen.tip = tipScreen(*tip, context.brand);
    }
    return screen;
}

StatusPresenter::StatusPresenter(Services services, QObject* parent)
    : QObject(parent), m_services(services), m_updateBanner(services.updates) {
    connect(&m_services.settings, &AppSettings::compactModeChanged, this, &StatusPresenter::recompute);
    connect(&m_services.settings, &AppSettings::showTipsChanged, this, &StatusPresenter::recompute);
    recompute();
}

void StatusPresenter::bind(LinkmeterViewModel& viewModel, NotificationService& notifications) {
    m_viewModel = &viewModel;
    m_notifications = &notifications;
    const auto update = [this] { setInputs(StatusInputs::of(*m_viewModel, *m_notifications)); };
    using VM = LinkmeterViewModel;
    connect(&viewModel, &VM::wifiInfoChanged, this, update);
    connect(&viewModel, &VM::connectionQualityChanged, this, update);
    connect(&viewModel, &VM::isMonitoringChanged, this, update);
    connect(&viewModel, &VM::locationAuthorizedChanged, this, update);
    connect(&viewModel, &VM::captivePortalStatusChanged, this, update);
    connect(&viewModel, &VM::tipsChanged, this, update);
    connect(&viewModel, &VM::internetPingStatsChanged, this, update);
    connect(&notifications, &NotificationService::isAuthorizedChanged, this, update);
    update();
}

void StatusPresenter::setInputs(StatusInputs inputs) {
    m_inputs = std::move(inputs);
    recompute();
}

void StatusPresenter::setOnScreen(bool onScreen) {
    m_onScreen = onScreen;
}

void StatusPresenter::requestLocation() {
    if (m_viewModel)
        m_viewModel->requestLocationPermission();
}

void StatusPresenter::requestNotifications() {
    if (m_notifications)
        m_notifications->requestAuthorization();
}

void StatusPresenter::openLoginPage() {
    if (m_viewModel)
        m_viewModel->openCaptivePortalLoginPage();
}

bool StatusPresenter::share(const std::function<QImage(const StatusShot& shot, double scale)>& render) {
    StatusShot shot{m_inputs.wifiInfo, m_inputs.quality, std::nullopt};
    if (!m_inputs.tips.empty())
        shot.tip = m_inputs.tips.front();
    return m_services.exporter.copyScreenshot([&](double scale) { return render(shot, scale); });
}

void StatusPresenter::recompute() {
    StatusContext context{m_services.settings.compactMode(), m_services.settings.showTips(), std::nullopt,
                          std::nullopt};
    if (const auto& link = m_inputs.wifiInfo) {
        context.brand = m_services.brands.identifyByBSSID(link->bssid);
        if (!context.brand)
            context.brand = m_services.brands.identifyBySSID(link->ssid);
        // Each computation on screen adds one measurement; a score of 0 means nothing was measured yet.
        if (m_inputs.quality.score > 0 && m_onScreen)
            m_services.memory.record(link->ssid, m_inputs.quality.score, m_inputs.internetAverageLatency);
        context.insight = m_services.memory.insight(link->ssid, m_inputs.quality.score);
    }
    m_screen = statusScreen(m_inputs, context);
    emit changed();
}
