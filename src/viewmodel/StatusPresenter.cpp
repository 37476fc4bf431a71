#include "viewmodel/StatusPresenter.h"

#include "core/AppSettings.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "reports/ExportService.h"
#include "viewmodel/DisplayText.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/QualityText.h"

#include <algorithm>
#include <array>

namespace {

// Issues a router vendor's advice can help with.
constexpr std::array kBrandIssues{ConnectionIssue::veryWeakSignal,  ConnectionIssue::weakSignal,
                                  ConnectionIssue::highPacketLoss,  ConnectionIssue::highLatency,
                                  ConnectionIssue::moderateLatency, ConnectionIssue::unstableConnection};

struct Headline {
    QString title;
    QString description;
};

Headline headline(QualityRating rating) {
    switch (rating) {
    case QualityRating::excellent:
        return {StatusPresenter::tr("Looking Great!"),
                StatusPresenter::tr("Perfect for video calls and streaming")};
    case QualityRating::good:
        return {StatusPresenter::tr("All Good"), StatusPresenter::tr("Should work well for most things")};
    case QualityRating::fair:
        return {StatusPresenter::tr("Hanging In There"), StatusPresenter::tr("Might be a bit slow at times")};
    case QualityRating::poor:
        return {StatusPresenter::tr("Having Trouble"), StatusPresenter::tr("You may notice some hiccups")};
    case QualityRating::bad:
        return {StatusPresenter::tr("Struggling"), StatusPresenter::tr("Things might not work well")};
    case QualityRating::unknown:
        break;
    }
    return {StatusPresenter::tr("Checking..."), StatusPresenter::tr("Give me a moment...")};
}

StatusCardScreen card(const StatusInputs& in, const StatusContext& context) {
    StatusCardScreen card;
    if (in.wifiInfo) {
        card.network = shownNetworkName(in.wifiInfo->ssid);
        card.networkKnown = true;
        QString details = toQString(rawValue(in.wifiInfo->band));
        if (context.brand)
            details += QStringLiteral(" • ") + toQString(rawValue(*context.brand));
        card.details = details;
        card.rssi = in.wifiInfo->rssi;
        card.showsSignal = true;
    } else {
        card.network = in.locationAuthorized ? StatusPresenter::tr("Not Connected")
                                             : shownNetworkName(unknownNetworkSSID);
        card.showsLocationRequired = !in.locationAuthorized;
    }
    card.score = localNumber(in.quality.score);
    card.scoreSpoken = qualitySentence(in.quality.score, in.quality.rating);
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
            translatedText("NetworkInsight", displayTemplate(*context.insight),
                           {std::to_string(context.insight->percent)}),
            good ? Tone::green : Tone::orange};
    }
    card.showsPaused = !in.isMonitoring;
    return card;
}

// The router's own settings page, offered beside any tip when the brand is known.
void addAdminButton(StatusTipScreen& screen, std::optional<RouterBrand> brand) {
    if (!brand)
        return;
    if (const auto page = adminPage(*brand)) {
        screen.adminButton = StatusPresenter::tr("Open %1 Settings").arg(toQString(rawValue(*brand)));
        screen.adminAddress = toQString(*page);
    }
}

StatusTipScreen tipScreen(const Tip& tip, std::optional<RouterBrand> brand) {
    StatusTipScreen screen{translatedText("Tip", tip.title),
                           tip.descriptionPattern.empty()
                               ? translatedText("Tip", tip.description)
                               : translatedText("Tip", tip.descriptionPattern, tip.descriptionArguments),
                           std::nullopt,
                           std::nullopt,
                           {}};
    if (tip.action)
        screen.action = translatedText("Tip", *tip.action);
    addAdminButton(screen, brand);
    return screen;
}

// The vendor's advice for the issue, for a known brand and an issue it helps with.
std::optional<std::string> brandAdvice(std::optional<RouterBrand> brand,
                                       std::optional<ConnectionIssue> issue) {
    if (!brand || !issue || std::find(kBrandIssues.begin(), kBrandIssues.end(), *issue) == kBrandIssues.end())
        return std::nullopt;
    return RouterBrandService::brandTip(*issue, *brand);
}

StatusTipScreen brandTipScreen(const std::string& advice, RouterBrand brand) {
    const std::string page = adminPage(brand).value_or(std::string());
    StatusTipScreen screen{StatusPresenter::tr("Tip for your %1").arg(toQString(rawValue(brand))),
                           translatedText("RouterBrand", advice),
                           translatedText("RouterBrand", adminHintPattern(brand), {page}),
                           std::nullopt,
                           {}};
    addAdminButton(screen, brand);
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
    if (const auto advice = brandAdvice(brand, issue)) {
        Tip tip;
        tip.icon = "lightbulb.fill";
        tip.title = "Tip for your " + std::string(rawValue(*brand));
        tip.description = *advice;
        tip.action = adminHint(*brand);
        tip.priority = TipPriority::warning;
        return tip;
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
        screen.noInternetMessage = translatedText("TransportFailure", in.captivePortalStatus.reason());
    screen.card = card(in, context);
    screen.showsLocationPrompt = !in.locationAuthorized;
    screen.showsNotificationPrompt = !in.notificationsAuthorized;
    if (in.currentIssue)
        screen.issue = IssueSummaryScreen{toQString(icon(*in.currentIssue)),
                                          translatedText("ConnectionIssue", message(*in.currentIssue)),
                                          tone(*in.currentIssue)};
    if (context.showTips && in.locationAuthorized && in.notificationsAuthorized) {
        if (const auto advice = brandAdvice(context.brand, in.currentIssue))
            screen.tip = brandTipScreen(*advice, *context.brand);
        else if (!in.tips.empty())
            screen.tip = tipScreen(in.tips.front(), context.brand);
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
