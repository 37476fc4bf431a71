#include "diagnosis/NotificationService.h"

#include "core/AppSettings.h"
#include "core/ContinueOn.h"
#include "core/Log.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>

namespace {
const QString kNotAllowed = QStringLiteral("Notifications were not allowed.");
} // namespace

NotificationService::NotificationService(NotificationCenter& center, AppSettings& settings, Clock& clock,
                                         QObject* parent)
    : QObject(parent), m_center(center), m_settings(settings), m_clock(clock) {
    continueOn(this, m_center.authorizationStatus(), [this](bool authorized) { setAuthorized(authorized); });
}

void NotificationService::requestAuthorization() {
    continueOn(this, m_center.requestAuthorization(), [this](const NotificationAuthorization& answer) {
        setAuthorized(answer.granted);
        if (answer.error)
            logFailure("Notification authorization error: ", answer.error->toStdString());
        if (!answer.granted)
            setRequestProblem(answer.advice.value_or(kNotAllowed));
    });
}

void NotificationService::runNotificationStep(const PingStatistics& internet,
                                              const std::optional<WiFiInfo>& wifi,
                                              const std::optional<std::string>& publicIP,
                                              const CaptivePortalStatus& portal) {
    if (!m_settings.notificationsEnabled() || !mayNotify())
        return;
    const auto reachability = portal.isCaptivePortal() ? ReachabilityAlert::captivePortal
                              : portal.isNoInternet()  ? ReachabilityAlert::offline
                                                       : ReachabilityAlert::none;
    NotificationMeasurements input;
    if (internet.samplesCount >= 1) {
        input.latency = internet.averageLatency;
        input.packetLoss = internet.packetLoss;
    }
    if (wifi)
        input.rssi = wifi->rssi;
    input.publicIP = publicIP;
    input.link = wifi;
    apply(evaluateNotificationStep(m_rules, reachability, input, thresholds(), m_clock.now(), switches()));
}

void NotificationService::sendNotification(NotificationType type, const std::string& title,
                                           const std::string& body, bool sound) {
    apply(admitNotification(m_rules, type, title, body, sound, m_clock.now()));
}

void NotificationService::checkAndNotify(std::optional<double> latency, std::optional<double> packetLoss,
                                         std::optional<int> rssi,
                                         const std::optional<std::string>& publicIP) {
    if (!mayNotify())
        return;
    apply(evaluateMeasurements(m_rules, {latency, packetLoss, rssi, publicIP}, thresholds(), m_clock.now(),
                               switches()));
}

void NotificationService::notifyCaptivePortal() {
    if (!mayNotify())
        return;
    apply(evaluateCaptivePortal(m_rules, m_clock.now()));
}

bool NotificationService::mayNotify() const {
    // Alerts start once the user has been through the introduction, not while it is still open.
    return m_isAuthorized && m_settings.hasCompletedOnboarding();
}

AlertSwitches NotificationService::switches() const {
    return {m_settings.notifyOnHighLatency(), m_settings.notifyOnPacketLoss(),
            m_settings.notifyOnWeakSignal(),  m_settings.notifyOnConnectionLost(),
            m_settings.notifyOnIPChange(),    m_settings.notifyOnRoaming()};
}

NotificationThresholds NotificationService::thresholds() const {
    return {m_settings.latencyWarningThreshold(), m_settings.latencyCriticalThreshold(),
            m_settings.packetLossCriticalThreshold()};
}

void NotificationService::apply(NotificationRuleOutcome outcome) {
    m_rules = std::move(outcome.state);
    for (const auto& notification : outcome.notifications) {
        // The rules word them in English; the desktop shows them in the reader's language.
        QString body = QCoreApplication::translate(
            "Notification",
            (notification.bodyPattern.empty() ? notification.body : notification.bodyPattern).c_str());
        for (const std::string& argument : notification.bodyArguments)
            body = body.arg(QString::fromStdString(argument));
        const NotificationRequest request{
            QString::fromStdString(notification.requestIdentifier),
            QCoreApplication::translate("Notification", notification.title.c_str()), body,
            QString::fromUtf8(rawValue(notification.type)), notification.sound};
        // The answer changes nothing: the kind counts as sent from the moment it was handed over.
        continueOn(this, m_center.add(request), [](const std::optional<QString>& error) {
            if (error)
                logFailure("Failed to send notification: ", error->toStdString());
        });
    }
}

void NotificationService::setAuthorized(bool authorized) {
    m_isAuthorized = authorized;
    emit isAuthorizedChanged(m_isAuthorized);
    if (authorized && m_requestProblem)
        setRequestProblem(std::nullopt);
}

void NotificationService::setRequestProblem(std::optional<QString> problem) {
    m_requestProblem = std::move(problem);
    emit requestProblemChanged(m_requestProblem);
}
