#pragma once

#include "core/PingStatistics.h"
#include "core/WiFiInfo.h"
#include "diagnosis/NotificationRules.h"
#include "probes/CaptivePortalStatus.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class AppSettings;
class Clock;
class NotificationCenter;

// Turns changes in the measured connection into desktop notifications: each rule fires on a level or a
// crossing, and no kind repeats within a minute. All state is in memory and starts empty.
class NotificationService final : public QObject {
    Q_OBJECT

public:
    static constexpr double minimumInterval = kMinimumNotificationInterval;

    // Asks the notification centre at once whether notifications are allowed.
    NotificationService(NotificationCenter& center, AppSettings& settings, Clock& clock,
                        QObject* parent = nullptr);

    bool isAuthorized() const { return m_isAuthorized; }
    // What came of the last request when it was not granted, in plain words; none before the first
    // request and once notifications are allowed.
    const std::optional<QString>& requestProblem() const { return m_requestProblem; }
    // Remembered values and per-kind send times.
    const NotificationRuleState& ruleState() const { return m_rules; }

    // Asks for permission again; the answer updates isAuthorized.
    void requestAuthorization();

    // The notification step, run whenever the monitored values settle: nothing at all while
    // notifications are switched off or not allowed, or before onboarding has been finished;
    // otherwise the portal or offline alert, then the measurement rules. Latency and loss count only
    // when the window holds samples.
    void runNotificationStep(const PingStatistics& internet, const std::optional<WiFiInfo>& wifi,
                             const std::optional<std::string>& publicIP, const CaptivePortalStatus& portal);

    // Rate-limited delivery of one notification. Does not look at isAuthorized; callers do.
    void sendNotification(NotificationType type, const std::string& title, const std::string& body,
                          bool sound);
    // The measurement rules alone, when allowed and onboarding is finished.
    void checkAndNotify(std::optional<double> latency, std::optional<double> packetLoss,
                        std::optional<int> rssi, const std::optional<std::string>& publicIP);
    void notifyCaptivePortal();

signals:
    void isAuthorizedChanged(bool isAuthorized);
    void requestProblemChanged(const std::optional<QString>& problem);

private:
    bool mayNotify() const;
    NotificationThresholds thresholds() const;
    AlertSwitches switches() const;
    void apply(NotificationRuleOutcome outcome);
    void setAuthorized(bool authorized);
    void setRequestProblem(std::optional<QString> problem);

    NotificationCenter& m_center;
    AppSettings& m_settings;
    Clock& m_clock;
    bool m_isAuthorized = false;
    std::optional<QString> m_requestProblem;
    NotificationRuleState m_rules;
};
