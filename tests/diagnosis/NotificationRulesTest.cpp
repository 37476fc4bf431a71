#include "diagnosis/NotificationRules.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

// Feeds evaluations through the pure rules the way the service does, keeping the state between them.
class RuleRun {
public:
    TimePoint now = TimePoint(1'800'000'000s);
    NotificationRuleState state;
    NotificationThresholds thresholds;

    std::vector<NotificationType> measure(NotificationMeasurements input) {
        return kinds(evaluateMeasurements(state, input, thresholds, now));
    }
    std::vector<NotificationType> latency(double value) { return measure({.latency = value}); }
    std::vector<NotificationType> loss(std::optional<double> value) { return measure({.packetLoss = value}); }
    std::vector<NotificationType> rssi(int value) { return measure({.rssi = value}); }

    std::vector<NotificationType> kinds(NotificationRuleOutcome outcome) {
        state = std::move(outcome.state);
        last = std::move(outcome.notifications);
        std::vector<NotificationType> out;
        for (const auto& n : last)
            out.push_back(n.type);
        return out;
    }

    std::vector<Notification> last;
};

using Kinds = std::vector<NotificationType>;
constexpr auto L1 = NotificationType::highLatency;
constexpr auto L2 = NotificationType::latencyWarning;
constexpr auto Recovered = NotificationType::qualityImproved;
constexpr auto P1 = NotificationType::packetLoss;

} // namespace

TEST(NotificationRules, LatencyThresholdsAreStrict) {
    RuleRun run;
    EXPECT_EQ(run.latency(40), Kinds{});
    // Exactly critical: a warning, not a critical alert.
    EXPECT_EQ(run.latency(100), Kinds{L2});
    EXPECT_EQ(run.last[0].title, "Connection Slowing Down");
    EXPECT_EQ(run.last[0].body, "Response time increased to 100ms");
    EXPECT_FALSE(run.last[0].sound);

    RuleRun equalWarning;
    equalWarning.latency(30);
    EXPECT_EQ(equalWarning.latency(50), Kinds{});
    // A previous value equal to the warning level still counts as "was fine".
    equalWarning.now += 61s;
    EXPECT_EQ(equalWarning.latency(70.9), Kinds{L2});
    EXPECT_EQ(equalWarning.last[0].body, "Response time increased to 70ms");
}

TEST(NotificationRules, JumpStraightToCriticalRaisesOnlyTheCriticalAlert) {
    RuleRun run;
    run.latency(40);
    EXPECT_EQ(run.latency(250.7), Kinds{L1});
    EXPECT_EQ(run.last[0].title, "Internet Feeling Sluggish");
    EXPECT_EQ(run.last[0].body, "Response time is 250ms \u2014 things may feel slow");
    EXPECT_TRUE(run.last[0].sound);
    EXPECT_TRUE(run.state.wasHavingIssues);
}

TEST(NotificationRules, RecoveryNeedsOneStepFromCriticalToBelowWarning) {
    RuleRun gradual;
    gradual.latency(150);
    gradual.now += 61s;
    EXPECT_EQ(gradual.latency(70), Kinds{});
    EXPECT_EQ(gradual.latency(30), Kinds{});

    RuleRun direct;
    direct.latency(150);
    EXPECT_EQ(direct.latency(30), Kinds{Recovered});
    EXPECT_EQ(direct.last[0].title, "Connection Recovered!");
    EXPECT_EQ(direct.last[0].body, "Response time is back to normal (30ms)");
    EXPECT_FALSE(direct.state.wasHavingIssues);
}

TEST(NotificationRules, OneSharedIssueFlagForLatencyAndLoss) {
    RuleRun run;
    // Two problems in one evaluation both go out.
    EXPECT_EQ(run.measure({.latency = 150, .packetLoss = 10}), (Kinds{L1, P1}));
    EXPECT_EQ(run.last[1].body, "Some data isn't getting through (10% dropped)");
    run.now += 61s;
    // Latency missing keeps the previous latency; loss back under 1 % announces the recovery.
    EXPECT_EQ(run.loss(0.5), Kinds{Recovered});
    EXPECT_EQ(run.last[0].title, "Connection Stabilized");
    EXPECT_EQ(run.state.previousLatency, 150.0);
    run.now += 61s;
    // The flag is already cleared, so the latency recovery stays silent.
    EXPECT_EQ(run.latency(30), Kinds{});
}

TEST(NotificationRules, RecoveriesShareOneRateLimit) {
    RuleRun run;
    run.measure({.latency = 150, .packetLoss = 10});
    run.now += 61s;
    EXPECT_EQ(run.measure({.latency = 30, .packetLoss = 10}), (Kinds{Recovered, P1}));
    run.now += 30s;
    EXPECT_EQ(run.loss(0), Kinds{});
    // The recovery was judged and cleared the flag even though its notification was dropped.
    EXPECT_FALSE(run.state.wasHavingIssues);
    EXPECT_EQ(run.state.previousPacketLoss, 0.0);
}

TEST(NotificationRules, PacketLossRecoveryEdges) {
    RuleRun exactlyOne;
    exactlyOne.loss(12);
    EXPECT_EQ(exactlyOne.last[0].body, "Some data isn't getting through (12% dropped)");
    exactlyOne.now += 61s;
    EXPECT_EQ(exactlyOne.loss(1.0), Kinds{});

    RuleRun gap;
    gap.loss(12);
    gap.now += 61s;
    // An evaluation without a loss figure forgets the previous one.
    EXPECT_EQ(gap.loss(std::nullopt), Kinds{});
    EXPECT_EQ(gap.state.previousPacketLoss, std::nullopt);
    EXPECT_EQ(gap.loss(0), Kinds{});
    EXPECT_TRUE(gap.state.wasHavingIssues);

    RuleRun atThreshold;
    EXPECT_EQ(atThreshold.loss(5.0), Kinds{});
}

TEST(NotificationRules, SignalRules) {
    using enum NotificationType;
    auto pair = [](int from, int to) {
        RuleRun run;
        run.rssi(from);
        return run.rssi(to);
    };
    EXPECT_EQ(RuleRun().rssi(-80), Kinds{});
    EXPECT_EQ(RuleRun().rssi(-81), Kinds{weakSignal});
    EXPECT_EQ(pair(-50, -65), Kinds{});
    EXPECT_EQ(pair(-50, -66), Kinds{signalDrop});
    EXPECT_EQ(pair(-76, -59), Kinds{signalImproved});
    EXPECT_EQ(pair(-75, -59), Kinds{});
    EXPECT_EQ(pair(-76, -60), Kinds{});
    EXPECT_EQ(pair(-60, -85), (Kinds{weakSignal, signalDrop}));
}

TEST(NotificationRules, PublicAddressChanges) {
    RuleRun run;
    EXPECT_EQ(run.measure({.publicIP = "203.0.113.5"}), Kinds{});
    EXPECT_EQ(run.measure({}), Kinds{});
    EXPECT_EQ(run.state.previousPublicIP, "203.0.113.5");
    EXPECT_EQ(run.measure({.publicIP = "203.0.113.5"}), Kinds{});
    EXPECT_EQ(run.measure({.publicIP = "203.0.113.9"}), Kinds{NotificationType::ipChange});
}

TEST(NotificationRules, SameKindAtMostOncePerMinute) {
    RuleRun run;
    EXPECT_EQ(run.latency(150), Kinds{L1});
    run.now += 59s;
    EXPECT_EQ(run.latency(150), Kinds{});
    run.now += 1s;
    EXPECT_EQ(run.latency(150), Kinds{L1});
    EXPECT_EQ(run.state.lastNotificationTimes.at(L1), run.now);
}

TEST(NotificationRules, RequestIdentifierCarriesKindAndTime) {
    const TimePoint whole(1'800'000'000s);
    EXPECT_EQ(notificationRequestIdentifier(NotificationType::ipChange, whole), "ip_change-1800000000.0");
    EXPECT_EQ(notificationRequestIdentifier(NotificationType::captivePortal, whole + 250ms),
              "captive_portal-1800000000.25");
}

TEST(NotificationRules, NonFiniteLatencyCountsAsMissing) {
    RuleRun run;
    run.latency(40);
    EXPECT_EQ(run.measure({.latency = std::numeric_limits<double>::infinity(),
                           .packetLoss = std::numeric_limits<double>::quiet_NaN()}),
              Kinds{});
    EXPECT_EQ(run.state.previousLatency, 40.0);
}

TEST(NotificationRules, StepAnnouncesReachabilityBeforeMeasurements) {
    RuleRun run;
    EXPECT_EQ(run.kinds(evaluateNotificationStep(run.state, ReachabilityAlert::offline, {.latency = 150},
                                                 run.thresholds, run.now)),
              (Kinds{NotificationType::connectionLost, L1}));
    EXPECT_EQ(run.last[0].title, "You're Offline");

    RuleRun portal;
    EXPECT_EQ(portal.kinds(evaluateNotificationStep(portal.state, ReachabilityAlert::captivePortal, {},
                                                    portal.thresholds, portal.now)),
              Kinds{NotificationType::captivePortal});
    EXPECT_EQ(portal.last[0].body, "This network needs you to log in first");
    EXPECT_FALSE(portal.state.wasHavingIssues);

    // Being offline counts as a problem, so the next fast answer is a recovery.
    RuleRun offline;
    offline.state.previousLatency = 150;
    RuleRun neverOffline = offline;
    EXPECT_EQ(offline.kinds(evaluateConnectionLost(offline.state, offline.now)),
              Kinds{NotificationType::connectionLost});
    EXPECT_EQ(offline.latency(20), Kinds{Recovered});
    EXPECT_EQ(neverOffline.latency(20), Kinds{});
}

TEST(NotificationType, RawValuesRoundTrip) {
    for (int i = 0; i <= static_cast<int>(NotificationType::roaming); ++i) {
        const auto type = static_cast<NotificationType>(i);
        EXPECT_EQ(notificationTypeFromRawValue(rawValue(type)), type);
    }
    EXPECT_EQ(rawValue(NotificationType::connectionRestored), "connection_restored");
}

TEST(NotificationRules, EachSwitchSilencesExactlyItsOwnRule) {
    // A run that raises every kind a switch covers: offline with slow, lossy answers, a weak signal
    // that dropped, and a new public address.
    const auto everything = [](const AlertSwitches& switches) {
        RuleRun run;
        run.state.previousRSSI = -60;
        run.state.previousPublicIP = "198.51.100.1";
        const NotificationMeasurements input{150.0, 20.0, -85, "198.51.100.2"};
        return run.kinds(evaluateNotificationStep(run.state, ReachabilityAlert::offline, input,
                                                  run.thresholds, run.now, switches));
    };
    const Kinds all{
        NotificationType::connectionLost, L1, P1, NotificationType::weakSignal, NotificationType::signalDrop,
        NotificationType::ipChange};
    EXPECT_EQ(everything({}), all);

    const auto without = [&](std::initializer_list<NotificationType> silenced) {
        Kinds kinds;
        for (const NotificationType kind : all)
            if (std::find(silenced.begin(), silenced.end(), kind) == silenced.end())
                kinds.push_back(kind);
        return kinds;
    };
    EXPECT_EQ(everything({.highLatency = false}), without({L1}));
    EXPECT_EQ(everything({.packetLoss = false}), without({P1}));
    EXPECT_EQ(everything({.weakSignal = false}),
              without({NotificationType::weakSignal, NotificationType::signalDrop}));
    EXPECT_EQ(everything({.connectionLost = false}), without({NotificationType::connectionLost}));
    EXPECT_EQ(everything({.ipChange = false}), without({NotificationType::ipChange}));

    // A silenced rule keeps following the measurements, and its silence does not use up the minute.
    RuleRun run;
    run.kinds(
        evaluateMeasurements(run.state, {.latency = 150}, run.thresholds, run.now, {.highLatency = false}));
    EXPECT_TRUE(run.last.empty());
    EXPECT_EQ(run.state.previousLatency, 150.0);
    EXPECT_EQ(run.latency(150), Kinds{L1});
}
