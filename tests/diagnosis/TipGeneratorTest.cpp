#include "diagnosis/TipGenerator.h"
#include "diagnosis/ConnectionIssue.h"

#include <gtest/gtest.h>

namespace {

WiFiInfo link(int rssi, std::optional<int> noise = -110, WiFiBand band = WiFiBand::band5GHz, int width = 80) {
    WiFiInfo info;
    info.ssid = "Home";
    info.rssi = rssi;
    info.noise = noise;
    info.band = band;
    info.channelWidth = width;
    return info;
}

PingStatistics stats(double average, double loss = 0.0, double jitter = 0.0, int samples = 10) {
    PingStatistics s;
    s.averageLatency = average;
    s.packetLoss = loss;
    s.jitter = jitter;
    s.samplesCount = samples;
    return s;
}

DNSResult lookup(double time, std::optional<std::string> address = "93.184.216.34") {
    DNSResult result;
    result.server = "192.168.1.1";
    result.lookupTime = time;
    result.domain = "apple.com";
    result.resolvedIP = std::move(address);
    return result;
}

std::vector<std::string> titles(const std::vector<Tip>& tips) {
    std::vector<std::string> out;
    for (const auto& tip : tips)
        out.push_back(tip.title);
    return out;
}

const Tip* find(const std::vector<Tip>& tips, const std::string& title) {
    for (const auto& tip : tips)
        if (tip.title == title)
            return &tip;
    return nullptr;
}

const PingStatistics kQuietRouter = stats(3, 0, 1);
const PingStatistics kQuietInternet = stats(8);

} // namespace

TEST(TipGenerator, WeakCrowdedLinkGivesSignalTipsMostUrgentFirst) {
    const auto wifi = link(-85, -90, WiFiBand::band2_4GHz, 20);
    const auto tips = generateTips(wifi, stats(3, 0, 1), stats(8), lookup(30));

    EXPECT_EQ(titles(tips),
              (std::vector<std::string>{"Weak Signal", "High Interference", "Using 2.4 GHz Band"}));
    EXPECT_EQ(tips[0].priority, TipPriority::critical);
    EXPECT_EQ(tips[0].description, "Signal strength is very low (-85 dBm).");
    EXPECT_EQ(tips[1].priority, TipPriority::warning);
    EXPECT_EQ(tips[1].description,
              "Signal-to-noise ratio is low (5 dB) - other devices may be causing interference.");
    EXPECT_EQ(tips[2].priority, TipPriority::info);
    for (const auto& tip : tips)
        EXPECT_TRUE(tip.action.has_value() && !tip.action->empty()) << tip.title;
}

TEST(TipGenerator, SignalStrengthBoundaries) {
    auto signalTitles = [](int rssi) {
        return titles(generateTips(link(rssi), kQuietRouter, kQuietInternet, lookup(20)));
    };
    EXPECT_EQ(signalTitles(-81), std::vector<std::string>{"Weak Signal"});
    EXPECT_EQ(signalTitles(-80), std::vector<std::string>{"Fair Signal"});
    EXPECT_EQ(signalTitles(-71), std::vector<std::string>{"Fair Signal"});
    EXPECT_TRUE(signalTitles(-70).empty());

    const auto fair = generateTips(link(-80), kQuietRouter, kQuietInternet, std::nullopt);
    EXPECT_EQ(fair[0].description, "Signal is moderate (-80 dBm) - good enough but could be better.");

    const auto connected = CaptivePortalStatus::connected();
    EXPECT_EQ(currentIssue(connected, link(-81), kQuietInternet), ConnectionIssue::veryWeakSignal);
    EXPECT_EQ(currentIssue(connected, link(-80), kQuietInternet), ConnectionIssue::weakSignal);
    EXPECT_EQ(currentIssue(connected, link(-70), kQuietInternet), std::nullopt);
}

TEST(TipGenerator, ChannelWidthAndInterference) {
    const auto narrow5 = generateTips(link(-50, -95, WiFiBand::band5GHz, 40), {}, {}, std::nullopt);
    ASSERT_EQ(titles(narrow5), std::vector<std::string>{"Narrow Channel Width"});
    EXPECT_EQ(narrow5[0].description, "Your router is using a 40 MHz channel width.");
    EXPECT_TRUE(generateTips(link(-50, -95, WiFiBand::band6GHz, 40), {}, {}, std::nullopt).empty());
    EXPECT_TRUE(generateTips(link(-50, -95, WiFiBand::band5GHz, 80), {}, {}, std::nullopt).empty());

    // A ratio of exactly 20 dB is fine; 19 is not.
    EXPECT_TRUE(generateTips(link(-60, -80), {}, {}, std::nullopt).empty());
    EXPECT_EQ(titles(generateTips(link(-60, -79), {}, {}, std::nullopt)),
              std::vector<std::string>{"High Interference"});
    // A driver that reports no noise floor must not look like interference.
    EXPECT_TRUE(generateTips(link(-60, std::nullopt), {}, {}, std::nullopt).empty());
}

TEST(TipGenerator, PacketLossQuotedWithOneDecimal) {
    const auto tips = generateTips(std::nullopt, stats(3, 0.4), stats(8, 1.0), std::nullopt);
    ASSERT_EQ(titles(tips), std::vector<std::string>{"Connection Dropping"});
    EXPECT_EQ(tips[0].description, "0.4% of data packets are being lost to your router.");

    const auto internet = generateTips(std::nullopt, kQuietRouter, stats(8, 12.0), std::nullopt);
    ASSERT_EQ(titles(internet), std::vector<std::string>{"Internet Packet Loss"});
    EXPECT_EQ(internet[0].description, "12.0% of data is being lost on the way to the internet.");
}

TEST(TipGenerator, LatencyFiguresAreTruncated) {
    const auto tips = generateTips(std::nullopt, stats(12.9, 0, 7.99), stats(75.6), lookup(100.7));
    EXPECT_EQ(find(tips, "Slow Router Response")->description,
              "Router is taking 12ms to respond (should be <5ms).");
    EXPECT_EQ(find(tips, "Unstable Connection")->description,
              "Connection timing varies by 7ms (jitter). This affects video calls and gaming.");
    EXPECT_EQ(find(tips, "Slow Internet Response")->description,
              "Internet latency is 75ms (should be <30ms for most uses).");
    EXPECT_EQ(find(tips, "Slow DNS Lookup")->description,
              "Website name lookups taking 100ms (should be <50ms).");

    EXPECT_EQ(find(generateTips(std::nullopt, {}, {}, lookup(100.0)), "Slow DNS Lookup"), nullptr);
    const auto failed = generateTips(std::nullopt, {}, {}, lookup(3.0, std::nullopt));
    EXPECT_EQ(titles(failed), std::vector<std::string>{"DNS Not Working"});
    EXPECT_EQ(failed[0].priority, TipPriority::critical);
}

TEST(TipGenerator, IspBottleneckComparesRouterAndInternet) {
    auto hasIspTip = [](const PingStatistics& router, const PingStatistics& internet) {
        return find(generateTips(std::nullopt, router, internet, std::nullopt), "ISP Is the Bottleneck") !=
               nullptr;
    };
    EXPECT_TRUE(hasIspTip(stats(4), stats(13)));
    EXPECT_FALSE(hasIspTip(stats(4), stats(12)));
    EXPECT_FALSE(hasIspTip(stats(10), stats(80)));
    // An empty router window averages 0: any internet latency above 0 points at the provider.
    EXPECT_TRUE(hasIspTip(stats(0, 0, 0, 0), stats(0.5)));
    EXPECT_FALSE(hasIspTip(stats(0, 0, 0, 0), stats(0)));
    // No internet samples: no internet tips at all, whatever the stale numbers say.
    EXPECT_TRUE(generateTips(std::nullopt, stats(0, 0, 0, 0), stats(500, 50, 0, 0), std::nullopt).empty());
    EXPECT_TRUE(generateTips(std::nullopt, stats(500, 50, 50, 0), {}, std::nullopt).empty());
}

TEST(TipGenerator, StableSortKeepsAppendOrderWithinPriority) {
    const auto wifi = link(-75, -80, WiFiBand::band2_4GHz, 20);
    const auto tips = generateTips(wifi, stats(20, 2, 6), stats(70, 3), lookup(150, std::nullopt));
    EXPECT_EQ(titles(tips),
              (std::vector<std::string>{"Connection Dropping", "Internet Packet Loss", "DNS Not Working",
                                        "Fair Signal", "High Interference", "Slow Router Response",
                                        "Unstable Connection", "Slow Internet Response", "Slow DNS Lookup",
                                        "Using 2.4 GHz Band"}));
}

TEST(TipGenerator, TipsCompareByTitleAndDescriptionOnly) {
    const auto first = generateTips(link(-85), {}, {}, std::nullopt);
    const auto second = generateTips(link(-85), {}, {}, std::nullopt);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_NE(first[0].id, second[0].id);
    EXPECT_EQ(first, second);
    EXPECT_NE(first[0], generateTips(link(-86), {}, {}, std::nullopt)[0]);
}

TEST(TipPriority, RawValuesOrderAndParse) {
    EXPECT_LT(TipPriority::info, TipPriority::warning);
    EXPECT_LT(TipPriority::warning, TipPriority::critical);
    EXPECT_EQ(tipPriorityFromRawValue(3), TipPriority::critical);
    EXPECT_EQ(tipPriorityFromRawValue(1), TipPriority::info);
    EXPECT_EQ(tipPriorityFromRawValue(0), std::nullopt);
    EXPECT_EQ(tipPriorityFromRawValue(4), std::nullopt);
}

TEST(CurrentIssue, FirstMatchingCheckWins) {
    const auto connected = CaptivePortalStatus::connected();
    const auto veryWeak = link(-90);
    EXPECT_EQ(currentIssue(CaptivePortalStatus::captivePortal(), veryWeak, stats(500, 50)),
              ConnectionIssue::captivePortal);
    EXPECT_EQ(currentIssue(CaptivePortalStatus::noInternet("The request timed out."), veryWeak, {}),
              ConnectionIssue::noInternet);
    EXPECT_EQ(currentIssue(connected, std::nullopt, stats(150, 6)), ConnectionIssue::highPacketLoss);
    EXPECT_EQ(currentIssue(connected, link(-75), stats(101)), ConnectionIssue::highLatency);
    EXPECT_EQ(currentIssue(connected, link(-75), stats(60, 0, 21)), ConnectionIssue::unstableConnection);
    EXPECT_EQ(currentIssue(connected, link(-75), stats(60)), ConnectionIssue::weakSignal);
    EXPECT_EQ(currentIssue(connected, std::nullopt, stats(60)), ConnectionIssue::moderateLatency);
    EXPECT_EQ(currentIssue(connected, std::nullopt, stats(100, 5, 20)), ConnectionIssue::moderateLatency);
    EXPECT_EQ(currentIssue(CaptivePortalStatus::unknown(), std::nullopt, {}), std::nullopt);

    EXPECT_EQ(message(ConnectionIssue::captivePortal), "This network needs you to sign in");
    EXPECT_EQ(tone(ConnectionIssue::moderateLatency), Tone::yellow);
}
