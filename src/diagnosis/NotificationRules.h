#pragma once

#include "core/Defaults.h"
#include "core/TimePoint.h"
#include "core/WiFiInfo.h"
#include "diagnosis/NotificationType.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// Alert thresholds from the settings: latencies in whole milliseconds, loss in percent.
struct NotificationThresholds {
    int latencyWarning = defaults::latencyWarningThreshold;
    int latencyCritical = defaults::latencyCriticalThreshold;
    double packetLossCritical = defaults::packetLossCriticalThreshold;

    bool operator==(const NotificationThresholds&) const = default;
};

// The user's per-kind alert switches. A switched-off rule still follows the measurements (so nothing
// stale is announced when it is switched back on) but sends nothing.
struct AlertSwitches {
    bool highLatency = true;    // high and rising latency, and the latency recovery
    bool packetLoss = true;     // unstable connection, and the loss recovery
    bool weakSignal = true;     // weak, dropped and improved signal
    bool connectionLost = true; // offline
    bool ipChange = true;       // public address changed
    bool roaming = false;       // moved to another access point of the same network

    bool operator==(const AlertSwitches&) const = default;
};

// One notification ready to hand to the desktop.
struct Notification {
    NotificationType type = NotificationType::highLatency;
    std::string title;
    std::string body;
    bool sound = false;
    // The raw value of the type, "-", and the send time in seconds since 1970; unique per send.
    std::string requestIdentifier;
    // The body before its figures are put in, marked for translators under "Notification", and the
    // figures for %1, %2, ...; empty when the body has no figures.
    std::string bodyPattern;
    std::vector<std::string> bodyArguments;

    bool operator==(const Notification&) const = default;
};

// Everything the rules remember between evaluations. Kept in memory only; a launch starts empty.
struct NotificationRuleState {
    std::map<NotificationType, TimePoint> lastNotificationTimes;
    std::optional<double> previousLatency;
    std::optional<double> previousPacketLoss;
    std::optional<int> previousRSSI;
    std::optional<std::string> previousPublicIP;
    // The link of the previous evaluation, for telling a roam.
    std::optional<WiFiInfo> previousLink;
    // One flag for all problem kinds: a recovery is announced only after some problem was.
    bool wasHavingIssues = false;

    bool operator==(const NotificationRuleState&) const = default;
};

// The measurements one evaluation looks at; each may be missing.
struct NotificationMeasurements {
    std::optional<double> latency = std::nullopt;    // ms
    std::optional<double> packetLoss = std::nullopt; // percent
    std::optional<int> rssi = std::nullopt;          // dBm
    std::optional<std::string> publicIP = std::nullopt;
    // The current link; absent while not connected.
    std::optional<WiFiInfo> link = std::nullopt;
};

// What the captive-portal check asks the notification step to announce.
enum class ReachabilityAlert { none, captivePortal, offline };

struct NotificationRuleOutcome {
    NotificationRuleState state;
    std::vector<Notification> notifications;
};

// Same kind at most once per this many seconds.
inline constexpr double kMinimumNotificationInterval = 60.0;

std::string notificationRequestIdentifier(NotificationType type, TimePoint now);

// Rate-limited delivery of one notification: dropped when the same kind went out less than a minute
// ago, otherwise stamped with its identifier and recorded as sent now.
NotificationRuleOutcome admitNotification(NotificationRuleState state, NotificationType type,
                                          std::string title, std::string body, bool sound, TimePoint now);

// The latency, packet-loss, signal, public-address and roaming rules, in that order. A latency or loss that
// is not a finite number counts as missing.
NotificationRuleOutcome evaluateMeasurements(NotificationRuleState state,
                                             const NotificationMeasurements& input,
                                             const NotificationThresholds& thresholds, TimePoint now,
                                             const AlertSwitches& switches = {});

NotificationRuleOutcome evaluateCaptivePortal(NotificationRuleState state, TimePoint now);
NotificationRuleOutcome evaluateConnectionLost(NotificationRuleState state, TimePoint now,
                                               const AlertSwitches& switches = {});

// One notification step for a permitted, enabled service: the captive-portal or offline alert first,
// then the measurement rules.
NotificationRuleOutcome evaluateNotificationStep(NotificationRuleState state, ReachabilityAlert reachability,
                                                 const NotificationMeasurements& input,
                                                 const NotificationThresholds& thresholds, TimePoint now,
                                                 const AlertSwitches& switches = {});
