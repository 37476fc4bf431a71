#include "reports/TimelineRules.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {
const TimePoint kNow = TimePoint(1'800'000'000s);
} // namespace

TEST(TimelineRules, SampleLeavesOutWhatWasNotMeasured) {
    DiagnosticReportInput state;
    state.quality.score = 42;
    state.downloadBytesPerSecond = 1500.4;
    state.dns = DNSResult{"192.0.2.53", 12.5, "example.com", std::nullopt, kNow};
    const TimelineSample empty = timeline::sampleFromState(state, kNow);
    EXPECT_EQ(empty.ssid, "");
    EXPECT_FALSE(empty.rssi);
    EXPECT_FALSE(empty.internetLatency);
    EXPECT_FALSE(empty.internetLoss);
    EXPECT_FALSE(empty.dnsTime); // a failed lookup has no meaningful time
    EXPECT_EQ(empty.score, 42);

    state.wifi = WiFiInfo{};
    state.wifi->ssid = "Cafe";
    state.wifi->rssi = -67;
    state.internet.samplesCount = 3;
    state.internet.averageLatency = 31.0;
    state.internet.packetLoss = 100.0 / 3;
    state.dns->resolvedIP = "192.0.2.1";
    const TimelineSample full = timeline::sampleFromState(state, kNow);
    EXPECT_EQ(full.ssid, "Cafe");
    EXPECT_EQ(full.rssi, -67);
    EXPECT_EQ(full.internetLatency, 31.0);
    EXPECT_EQ(full.dnsTime, 12.5);
    EXPECT_FALSE(full.routerLatency);
}

TEST(TimelineRules, ReachabilityEventsFollowDecidedChecksOnly) {
    using S = CaptivePortalStatus;
    const auto event = [](const S& before, const S& after) {
        return timeline::reachabilityEvent(before, after);
    };
    EXPECT_EQ(event(S::connected(), S::noInternet("timeout")), TimelineEventKind::offline);
    EXPECT_EQ(event(S::unknown(), S::noInternet("timeout")), TimelineEventKind::offline);
    EXPECT_EQ(event(S::noInternet("x"), S::noInternet("y")), std::nullopt);
    EXPECT_EQ(event(S::noInternet("x"), S::connected()), TimelineEventKind::online);
    EXPECT_EQ(event(S::captivePortal(), S::connected()), TimelineEventKind::online);
    EXPECT_EQ(event(S::connected(), S::captivePortal()), TimelineEventKind::captivePortal);
    // The first check of a launch finding the internet is no news.
    EXPECT_EQ(event(S::unknown(), S::connected()), std::nullopt);
    EXPECT_EQ(event(S::connected(), S::unknown()), std::nullopt);
}

TEST(TimelineRules, DnsChangeNeedsTwoKnownListsWithDifferentAddresses) {
    const auto servers = [](std::vector<std::string> addresses) {
        return dnsServersFromAddresses(addresses);
    };
    EXPECT_FALSE(timeline::dnsServersChanged({}, servers({"1.1.1.1"})));
    EXPECT_FALSE(timeline::dnsServersChanged(servers({"1.1.1.1"}), {}));
    EXPECT_FALSE(timeline::dnsServersChanged(servers({"1.1.1.1"}), servers({"1.1.1.1"})));
    EXPECT_TRUE(timeline::dnsServersChanged(servers({"1.1.1.1"}), servers({"1.1.1.1", "1.0.0.1"})));
    EXPECT_TRUE(timeline::dnsServersChanged(servers({"1.1.1.1"}), servers({"8.8.8.8"})));
}

TEST(TimelineRules, PruningAndBuckets) {
    EXPECT_EQ(timeline::pruneCutoff(kNow), kNow - 720h);
    EXPECT_TRUE(timeline::pruneDue(std::nullopt, kNow));
    EXPECT_FALSE(timeline::pruneDue(kNow - 23h - 59min, kNow));
    EXPECT_TRUE(timeline::pruneDue(kNow - 24h, kNow));
    EXPECT_TRUE(timeline::pruneDue(kNow + 1h, kNow)); // the clock was set back

    EXPECT_EQ(timeline::bucketWidth(24h), 60s);
    EXPECT_EQ(timeline::bucketWidth(7 * 24h), 600s); // 420 s, rounded up to a whole slot
    EXPECT_EQ(timeline::bucketWidth(30 * 24h), 1800s);
    EXPECT_EQ(timeline::bucketWidth(1h), 60s);
}

TEST(TimelineRules, EventNamesRoundTripAndRoamsDescribeBothEnds) {
    for (int i = 0; i <= static_cast<int>(TimelineEventKind::monitoringStopped); ++i) {
        const auto kind = static_cast<TimelineEventKind>(i);
        EXPECT_EQ(timeline::eventKindFromStoredName(timeline::storedName(kind)), kind);
        EXPECT_FALSE(timeline::eventTitle(kind).empty());
    }
    EXPECT_EQ(timeline::eventKindFromStoredName("Roaming"), std::nullopt);
    const TimelineEvent roam = timeline::roamingEvent({"Home", "aa:01", "aa:02", -78, -52}, kNow);
    EXPECT_EQ(timeline::eventTitle(roam.kind), "Roamed to another access point");
    EXPECT_EQ(timeline::eventDetails(roam), "aa:01 \u2192 aa:02, -78 \u2192 -52 dBm");
}

TEST(TimelineRules, ExportUsesTheHistoryNumberFormats) {
    TimelineSample s;
    s.time = kNow;
    s.ssid = "Say \"hi\"";
    s.rssi = -60;
    s.score = 88;
    s.internetLatency = 23.456;
    s.internetLoss = 0.0;
    s.downloadBytesPerSecond = 1234.6;
    const std::string text = timeline::timelineText(
        {s}, {timeline::plainEvent(TimelineEventKind::offline, kNow + 60s, "Home")}, kNow);
    EXPECT_EQ(text, "Linkmeter Timeline Export\n"
                    "Exported: 2027-01-15T08:00:00Z\n\n"
                    "Time,SSID,BSSID,Signal (dBm),Score,Router Ping (ms),Internet Ping (ms),Packet Loss (%),"
                    "DNS (ms),Download (B/s),Upload (B/s)\n"
                    "2027-01-15T08:00:00Z,\"Say \"\"hi\"\"\",,-60,88,,23.5,0.0,,1235,0\n"
                    "\nEvents\nTime,Event,Details\n"
                    "2027-01-15T08:01:00Z,\"Internet connection lost\",\"Home\"\n");
}
