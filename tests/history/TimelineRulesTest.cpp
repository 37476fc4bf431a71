#include "history/TimelineRules.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(TimelineRules, PruningIsDueDailyAndBucketsAreWholeSlots) {
    EXPECT_TRUE(timeline::pruneDue(std::nullopt, kNow));
    EXPECT_FALSE(timeline::pruneDue(kNow - 23h - 59min, kNow));
    EXPECT_TRUE(timeline::pruneDue(kNow - 24h, kNow));
    EXPECT_TRUE(timeline::pruneDue(kNow + 1h, kNow)); // the clock was set back

    EXPECT_EQ(timeline::bucketWidth(24h), 60s);
    EXPECT_EQ(timeline::bucketWidth(7 * 24h), 600s); // 420 s, rounded up to a whole slot
    EXPECT_EQ(timeline::bucketWidth(30 * 24h), 1800s);
    EXPECT_EQ(timeline::bucketWidth(1h), 60s);
}

TEST(TimelineRules, APruneBelievesTheClockOnlyOnceItHasKeptItsTimeForADay) {
    using timeline::PruneBounds;
    const auto bounds = [](TimePoint now, std::optional<TimePoint> last, std::optional<TimePoint> newest) {
        return timeline::pruneBounds(now, last, newest);
    };
    // A new file: everything past the 30 days before now.
    EXPECT_EQ(bounds(kNow, std::nullopt, std::nullopt), (PruneBounds{kNow - 720h, std::nullopt}));
    // The daily prune of a running program.
    EXPECT_EQ(bounds(kNow, kNow - 24h, kNow), (PruneBounds{kNow - 720h, kNow + 24h}));
    // Back after a week away: the 30 days before the newest row stay one more day.
    EXPECT_EQ(bounds(kNow, kNow - 8 * 24h, kNow - 7 * 24h).keepFrom, kNow - 7 * 24h - 720h);

    // The clock jumps years ahead: only rows a day past what the last prune would have taken go.
    const TimePoint later = kNow + 24h * 365 * 12;
    EXPECT_EQ(bounds(later, kNow, kNow + 5min).keepFrom, kNow + 5min - 720h);
    EXPECT_EQ(bounds(later, kNow - 12h, kNow + 20h).keepFrom, kNow + 12h - 720h);
    // A day later, and with rows written on the new clock, it is believed.
    EXPECT_EQ(bounds(later + 24h, later, later + 24h).keepFrom, later + 24h - 720h);

    // Rows ahead of the clock go only when the clock moved forward since the last prune.
    EXPECT_EQ(bounds(kNow, kNow, kNow).keepUntil, kNow + 24h);
    EXPECT_EQ(bounds(kNow, kNow + 1s, kNow + 3h).keepUntil, std::nullopt);
    EXPECT_EQ(bounds(kNow, kNow + 1s, kNow + 3h).keepFrom, kNow - 720h);
}

TEST(TimelineRules, RowsOfARunStayInOrderWhenTheClockIsSetBackByUpToADay) {
    using timeline::rowTime;
    EXPECT_EQ(rowTime(kNow, std::nullopt, 0s), kNow);
    EXPECT_EQ(rowTime(kNow, kNow - 60s, 60s), kNow);
    EXPECT_EQ(rowTime(kNow + 2h, kNow - 60s, 60s), kNow + 2h); // set forward: believed at once
    // Set back an hour: the row follows the previous one by the minute that passed.
    EXPECT_EQ(rowTime(kNow - 1h, kNow - 60s, 60s), kNow);
    EXPECT_EQ(rowTime(kNow - 24h, kNow - 60s, 60s), kNow);
    EXPECT_EQ(rowTime(kNow - 24h - 1s, kNow - 60s, 60s), kNow - 24h - 1s);

    // Readers follow such rows as far as a day ahead of the clock.
    EXPECT_EQ(timeline::timelineEnd(kNow, std::nullopt), kNow);
    EXPECT_EQ(timeline::timelineEnd(kNow, kNow - 1h), kNow);
    EXPECT_EQ(timeline::timelineEnd(kNow, kNow + 24h), kNow + 24h);
    EXPECT_EQ(timeline::timelineEnd(kNow, kNow + 24h + 1s), kNow);
}

TEST(TimelineRules, ChartsLeaveOutReadingsNoConnectionGives) {
    TimelineSample s;
    s.internetLatency = 60'000.0;
    s.routerLatency = 0.0;
    s.dnsTime = 12.5;
    s.internetLoss = 100.0;
    s.rssi = -127;
    EXPECT_EQ(timeline::plottable(s), s);

    for (const double bad : {60'000.1, -0.1, 1e308, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
        TimelineSample damaged = s;
        damaged.internetLatency = bad;
        damaged.routerLatency = bad;
        damaged.dnsTime = bad;
        const TimelineSample shown = timeline::plottable(damaged);
        EXPECT_FALSE(shown.internetLatency) << bad;
        EXPECT_FALSE(shown.routerLatency) << bad;
        EXPECT_FALSE(shown.dnsTime) << bad;
        EXPECT_EQ(shown.internetLoss, 100.0);
    }
    s.internetLoss = 100.1;
    s.rssi = 1;
    EXPECT_FALSE(timeline::plottable(s).internetLoss);
    EXPECT_FALSE(timeline::plottable(s).rssi);
    s.rssi = -128;
    EXPECT_FALSE(timeline::plottable(s).rssi);
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
