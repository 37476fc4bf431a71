#include "diagnosis/NotificationRules.h"
#include "core/RuleText.h"

#include "diagnosis/Roaming.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

// Latency in whole milliseconds, truncated toward zero; callers pass finite values only.
std::string wholeMilliseconds(double latency) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::trunc(latency) + 0.0);
    return buffer;
}

std::optional<double> finite(std::optional<double> value) {
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

// Collects the notifications of one evaluation while applying the per-kind spacing.
class Sender {
public:
    Sender(NotificationRuleState state, TimePoint now) : m_outcome{std::move(state), {}}, m_now(now) {}

    NotificationRuleState& state() { return m_outcome.state; }
    // While muted, rules run but their notifications are dropped before the spacing sees them.
    void mute(bool muted) { m_muted = muted; }

    void send(NotificationType type, std::string title, std::string body, bool sound) {
        send(type, std::move(title), std::move(body), {}, {}, sound);
    }

    // A body with figures: its English pattern and the figures for %1, %2, ...
    void send(NotificationType type, std::string title, const char* pattern,
              std::vector<std::string> arguments, bool sound) {
        std::string body = fillIn(pattern, arguments);
        send(type, std::move(title), std::move(body), pattern, std::move(arguments), sound);
    }

private:
    void send(NotificationType type, std::string title, std::string body, std::string pattern,
              std::vector<std::string> arguments, bool sound) {
        if (m_muted)
            return;
        auto& times = m_outcome.state.lastNotificationTimes;
        if (const auto last = times.find(type); last != times.end()) {
            const std::chrono::duration<double> elapsed = m_now - last->second;
            if (elapsed.count() < kMinimumNotificationInterval)
                return;
        }
        m_outcome.notifications.push_back(Notification{type, std::move(title), std::move(body), sound,
                                                       notificationRequestIdentifier(type, m_now),
                                                       std::move(pattern), std::move(arguments)});
        times[type] = m_now;
    }

public:
    NotificationRuleOutcome finish() { return std::move(m_outcome); }

private:
    NotificationRuleOutcome m_outcome;
    TimePoint m_now;
    bool m_muted = false;
};

void latencyRules(Sender& sender, double latency, const NotificationThresholds& thresholds) {
    auto& state = sender.state();
    const double warning = thresholds.latencyWarning;
    const double critical = thresholds.latencyCritical;
    if (latency > critical) {
        state.wasHavingIssues = true;
        sender.send(NotificationType::highLatency,
                    QT_TRANSLATE_NOOP("Notification", "Internet Feeling Sluggish"),
                    QT_TRANSLATE_NOOP("Notification", "Response time is %1ms — things may feel slow"),
                    {wholeMilliseconds(latency)}, true);
    } else if (latency > warning && state.previousLatency && *state.previousLatency <= warning) {
        sender.send(NotificationType::latencyWarning,
                    QT_TRANSLATE_NOOP("Notification", "Connection Slowing Down"),
                    QT_TRANSLATE_NOOP("Notification", "Response time increased to %1ms"),
                    {wholeMilliseconds(latency)}, false);
    } else if (latency < warning && state.previousLatency && *state.previousLatency > critical &&
               state.wasHavingIssues) {
        state.wasHavingIssues = false;
        sender.send(NotificationType::qualityImproved,
                    QT_TRANSLATE_NOOP("Notification", "Connection Recovered!"),
                    QT_TRANSLATE_NOOP("Notification", "Response time is back to normal (%1ms)"),
                    {wholeMilliseconds(latency)}, false);
    }
    state.previousLatency = latency;
}

void packetLossRules(Sender& sender, std::optional<double> packetLoss,
                     const NotificationThresholds& thresholds) {
    auto& state = sender.state();
    if (packetLoss) {
        const double loss = *packetLoss;
        if (loss > thresholds.packetLossCritical) {
            state.wasHavingIssues = true;
            char dropped[64];
            std::snprintf(dropped, sizeof dropped, "%.0f", loss);
            sender.send(NotificationType::packetLoss,
                        QT_TRANSLATE_NOOP("Notification", "Connection Unstable"),
                        QT_TRANSLATE_NOOP("Notification", "Some data isn't getting through (%1% dropped)"),
                        {dropped}, true);
        } else if (loss < 1.0 && state.previousPacketLoss.value_or(0.0) > thresholds.packetLossCritical &&
                   state.wasHavingIssues) {
            state.wasHavingIssues = false;
            sender.send(NotificationType::qualityImproved,
                        QT_TRANSLATE_NOOP("Notification", "Connection Stabilized"),
                        QT_TRANSLATE_NOOP("Notification", "Data flow is back to normal"), false);
        }
    }
    // A missing loss is remembered as missing, so a later small loss cannot read as a recovery.
    state.previousPacketLoss = packetLoss;
}

void signalRules(Sender& sender, int rssi) {
    auto& state = sender.state();
    if (rssi < -80)
        sender.send(NotificationType::weakSignal, QT_TRANSLATE_NOOP("Notification", "WiFi Signal Is Weak"),
                    QT_TRANSLATE_NOOP("Notification", "Try moving closer to your router"), false);
    if (state.previousRSSI) {
        if (rssi < *state.previousRSSI - 15)
            sender.send(NotificationType::signalDrop,
                        QT_TRANSLATE_NOOP("Notification", "WiFi Signal Dropped"),
                        QT_TRANSLATE_NOOP("Notification", "You may have moved away from the router"), true);
        if (rssi >= -59 && *state.previousRSSI < -75)
            sender.send(NotificationType::signalImproved,
                        QT_TRANSLATE_NOOP("Notification", "Signal Strength Improved!"),
                        QT_TRANSLATE_NOOP("Notification", "Much better reception now"), false);
    }
    state.previousRSSI = rssi;
}

void publicIPRules(Sender& sender, const std::string& publicIP) {
    auto& state = sender.state();
    if (state.previousPublicIP && *state.previousPublicIP != publicIP)
        sender.send(NotificationType::ipChange, QT_TRANSLATE_NOOP("Notification", "Network Changed"),
                    QT_TRANSLATE_NOOP("Notification", "Your public IP address updated"), false);
    state.previousPublicIP = publicIP;
}

void roamingRule(Sender& sender, const std::optional<WiFiInfo>& link) {
    auto& state = sender.state();
    if (const auto roam = detectRoaming(state.previousLink, link))
        sender.send(NotificationType::roaming, kRoamedText,
                    QT_TRANSLATE_NOOP("Notification", "Now on %1 (%2 dBm, was %3 dBm)"),
                    {roam->toBSSID, std::to_string(roam->rssiAfter), std::to_string(roam->rssiBefore)},
                    false);
    state.previousLink = link;
}

void measurementRules(Sender& sender, const NotificationMeasurements& input,
                      const NotificationThresholds& thresholds, const AlertSwitches& switches) {
    sender.mute(!switches.highLatency);
    if (const auto latency = finite(input.latency))
        latencyRules(sender, *latency, thresholds);
    sender.mute(!switches.packetLoss);
    packetLossRules(sender, finite(input.packetLoss), thresholds);
    sender.mute(!switches.weakSignal);
    if (input.rssi)
        signalRules(sender, *input.rssi);
    sender.mute(!switches.ipChange);
    if (input.publicIP)
        publicIPRules(sender, *input.publicIP);
    sender.mute(!switches.roaming);
    roamingRule(sender, input.link);
    sender.mute(false);
}

// Sign-in pages have no switch of their own: only the master switch silences them.
void captivePortalRule(Sender& sender) {
    sender.send(NotificationType::captivePortal, QT_TRANSLATE_NOOP("Notification", "Sign-In Required"),
                QT_TRANSLATE_NOOP("Notification", "This network needs you to log in first"), true);
}

void connectionLostRule(Sender& sender, const AlertSwitches& switches) {
    sender.state().wasHavingIssues = true;
    sender.mute(!switches.connectionLost);
    sender.send(NotificationType::connectionLost, QT_TRANSLATE_NOOP("Notification", "You're Offline"),
                QT_TRANSLATE_NOOP("Notification", "Can't reach the internet right now"), true);
    sender.mute(false);
}

} // namespace

std::string notificationRequestIdentifier(NotificationType type, TimePoint now) {
    // Whole and fractional parts apart: a double cannot hold the nanosecond count exactly.
    const auto sinceEpoch = now.time_since_epoch();
    const auto whole = std::chrono::floor<std::chrono::seconds>(sinceEpoch);
    const double seconds =
        static_cast<double>(whole.count()) + std::chrono::duration<double>(sinceEpoch - whole).count();
    // Shortest text that reads back as the same double, always with a fraction.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed);
    std::string text(buffer, error == std::errc{} ? end : buffer);
    if (text.find('.') == std::string::npos)
        text += ".0";
    return std::string(rawValue(type)) + "-" + text;
}

NotificationRuleOutcome admitNotification(NotificationRuleState state, NotificationType type,
                                          std::string title, std::string body, bool sound, TimePoint now) {
    Sender sender(std::move(state), now);
    sender.send(type, std::move(title), std::move(body), sound);
    return sender.finish();
}

NotificationRuleOutcome evaluateMeasurements(NotificationRuleState state,
                                             const NotificationMeasurements& input,
                                             const NotificationThresholds& thresholds, TimePoint now,
                                             const AlertSwitches& switches) {
    Sender sender(std::move(state), now);
    measurementRules(sender, input, thresholds, switches);
    return sender.finish();
}

NotificationRuleOutcome evaluateCaptivePortal(NotificationRuleState state, TimePoint now) {
    Sender sender(std::move(state), now);
    captivePortalRule(sender);
    return sender.finish();
}

NotificationRuleOutcome evaluateConnectionLost(NotificationRuleState state, TimePoint now,
                                               const AlertSwitches& switches) {
    Sender sender(std::move(state), now);
    connectionLostRule(sender, switches);
    return sender.finish();
}

NotificationRuleOutcome evaluateNotificationStep(NotificationRuleState state, ReachabilityAlert reachability,
                                                 const NotificationMeasurements& input,
                                                 const NotificationThresholds& thresholds, TimePoint now,
                                                 const AlertSwitches& switches) {
    Sender sender(std::move(state), now);
    if (reachability == ReachabilityAlert::captivePortal)
        captivePortalRule(sender);
    else if (reachability == ReachabilityAlert::offline)
        connectionLostRule(sender, switches);
    measurementRules(sender, input, thresholds, switches);
    return sender.finish();
}
