#include "viewmodel/DiagnosticsCards.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <tuple>

namespace {

DNSResult lookup(double time, std::optional<std::string> address = "104.16.132.229") {
    DNSResult result;
    result.server = "9.9.9.9";
    result.lookupTime = time;
    result.resolvedIP = std::move(address);
    return result;
}

PingStatistics stats(double average, double jitter, double loss, int samples = 20) {
    PingStatistics s;
    s.averageLatency = average;
    s.jitter = jitter;
    s.packetLoss = loss;
    s.samplesCount = samples;
    return s;
}

} // namespace

TEST(PingCardTest, AverageJitterAndLossFollowTheirScales) {
    const auto varying = pingCard(stats(31.9, 7, 0), {30, 32, 33});
    EXPECT_EQ(varying.average, "31ms");
    EXPECT_EQ(varying.averageTone, Tone::yellow);
    EXPECT_EQ(varying.chartTone, Tone::yellow);
    EXPECT_EQ(varying.note, "varying");
    EXPECT_EQ(varying.noteTone, std::nullopt);
    EXPECT_EQ(varying.loss, "none");
    EXPECT_EQ(varying.lossTone, Tone::green);

    const auto unstable = pingCard(stats(31.9, 10.5, 0.5), {30});
    EXPECT_EQ(unstable.note, "unstable");
    EXPECT_EQ(unstable.noteTone, Tone::orange);
    EXPECT_EQ(unstable.loss, "0.5%");

    // Times are truncated, not rounded.
    EXPECT_EQ(pingCard(stats(19.6, 0, 33.333), {}).average, "19ms");
    EXPECT_EQ(pingCard(stats(0.4, 0, 33.333), {}).loss, "33.3%");

    const auto steady = pingCard(stats(12, 1, 5.0), {12});
    EXPECT_TRUE(steady.note.isEmpty());
    EXPECT_EQ(steady.loss, "5.0%");
    EXPECT_EQ(steady.lossTone, Tone::orange);

    // Before the first sample: no figures and no note.
    const auto before = pingCard(stats(0, 12, 0, 0), {});
    EXPECT_EQ(before.average, "--");
    EXPECT_EQ(before.averageTone, std::nullopt);
    EXPECT_EQ(before.loss, "--");
    EXPECT_EQ(before.lossTone, std::nullopt);
    EXPECT_TRUE(before.note.isEmpty());

    // Every echo lost: dropped pings, but no response time.
    const auto lost = pingCard(stats(0, 0, 100.0), {});
    EXPECT_EQ(lost.average, "--");
    EXPECT_EQ(lost.loss, "100.0%");
    EXPECT_EQ(lost.lossTone, Tone::red);

    EXPECT_EQ(routerTarget(std::nullopt), "Unknown");
    EXPECT_EQ(routerTarget(std::string("192.168.1.1")), "192.168.1.1");
}

TEST(DNSCardTest, LookupTimeNoteAndTone) {
    const auto none = dnsCard(std::nullopt, {});
    EXPECT_EQ(none.time, "--");
    EXPECT_EQ(none.timeTone, std::nullopt);
    EXPECT_TRUE(none.server.isEmpty());
    EXPECT_TRUE(none.note.isEmpty());

    const std::vector<std::tuple<double, QString, Tone, QString, Tone>> cases{
        {19.6, "19ms", Tone::green, "fast", Tone::green},
        {150.0, "150ms", Tone::orange, "slow", Tone::orange},
        {250.0, "250ms", Tone::red, "slow", Tone::orange}};
    for (const auto& [time, text, tone, note, noteTone] : cases) {
        const auto card = dnsCard(lookup(time), {time});
        EXPECT_EQ(card.time, text);
        EXPECT_EQ(card.timeTone, tone) << time;
        EXPECT_EQ(card.note, note) << time;
        EXPECT_EQ(card.noteTone, noteTone) << time;
        EXPECT_EQ(card.server, "9.9.9.9");
    }
    EXPECT_TRUE(dnsCard(lookup(50.0), {}).note.isEmpty());
}

// A lookup that came back without an address is a failure, not a fast answer.
TEST(DNSCardTest, AFailedLookupReadsFailedInRed) {
    const auto failed = dnsCard(lookup(1.2, std::nullopt), {1.2});
    EXPECT_EQ(failed.time, "Failed");
    EXPECT_EQ(failed.timeTone, Tone::red);
    EXPECT_TRUE(failed.note.isEmpty());
    EXPECT_EQ(failed.server, "9.9.9.9");

    const auto answered = dnsCard(lookup(1.2), {1.2});
    EXPECT_EQ(answered.time, "1ms");
    EXPECT_EQ(answered.note, "fast");
}

TEST(WiFiDetails, RowsInOrderAndOnlyWithAValue) {
    WiFiInfo wifi;
    wifi.rssi = -50;
    wifi.noise = -90;
    wifi.channel = 36;
    wifi.channelWidth = 80;
    wifi.phyMode = "802.11ax";
    wifi.securityType = "WPA3 Personal";
    wifi.bssid = "aa:bb:cc:dd:ee:ff";
    using Rows = std::vector<DetailLine>;
    EXPECT_EQ(wifiDetails(wifi), (Rows{{"Channel", "36 (80 MHz)"},
                                       {"PHY Mode", "802.11ax"},
                                       {"Security", "WPA3 Personal"},
                                       {"SNR", "40 dB"},
                                       {"BSSID", "aa:bb:cc:dd:ee:ff"}}));

    // No made-up ratio without a noise floor; placeholders are not values.
    wifi.noise.reset();
    wifi.channel = 0;
    wifi.phyMode = "None";
    wifi.securityType = "Unknown";
    wifi.bssid.reset();
    EXPECT_TRUE(wifiDetails(wifi).empty());
    wifi.phyMode = "Unknown";
    EXPECT_TRUE(wifiDetails(wifi).empty());
}

TEST(WiFiCardTest, OnlyAWithheldNameWithoutPermissionMakesTheRowAsk) {
    WiFiInfo wifi;
    wifi.ssid = std::string(unknownNetworkSSID);
    wifi.rssi = -65;
    wifi.band = WiFiBand::unknown;
    EXPECT_TRUE(wifiCard(wifi, false).rowAsksForLocation);
    EXPECT_FALSE(wifiCard(wifi, true).rowAsksForLocation);
    EXPECT_TRUE(wifiCard(wifi, true).nameWithheld);
    EXPECT_TRUE(wifiCard(wifi, true).band.isEmpty());
    EXPECT_EQ(wifiCard(wifi, true).noise, "--");
    wifi.ssid = "Home";
    EXPECT_FALSE(wifiCard(wifi, false).rowAsksForLocation);

    // Without a link: the permission prompt only when it is missing.
    EXPECT_TRUE(wifiCard(std::nullopt, false).asksForLocation);
    EXPECT_FALSE(wifiCard(std::nullopt, true).asksForLocation);
    EXPECT_FALSE(wifiCard(std::nullopt, true).connected);
}

TEST(BandwidthCardTest, RatesInDecimalUnitsAsTheReaderWritesNumbers) {
    const BandwidthCardData card = bandwidthCard({1'500'000, 999}, {1.5e6}, {});
    EXPECT_EQ(card.download, "1.5 MB/s");
    EXPECT_EQ(card.upload, "999 B/s");
    EXPECT_EQ(card.downloadHistory, std::vector<double>{1.5e6});
    EXPECT_EQ(bandwidthRateText(15'400), "15 KB/s");
    EXPECT_EQ(bandwidthRateText(1'000), "1 KB/s");
    EXPECT_EQ(bandwidthRateText(0), "0 B/s");

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(bandwidthRateText(2'540'000), "2,5 MB/s");
    QLocale::setDefault(before);
}

TEST(QualityCardTest, ShownOnlyWithAScoreWithEachSubScoreInItsTone) {
    EXPECT_FALSE(qualityCard({}).visible);
    ConnectionQuality quality(-58, 31.9, 7.2, 0.5);
    quality.breakdown = {90, 75, 55, 30};
    const QualityCardData card = qualityCard(quality);
    EXPECT_TRUE(card.visible);
    EXPECT_EQ(card.rating, QString::fromUtf8(rawValue(quality.rating).data()));
    ASSERT_EQ(card.breakdown.size(), 4u);
    EXPECT_EQ(card.breakdown[0].label, "Signal");
    EXPECT_EQ(card.breakdown[3].label, "Stability");
    std::vector<std::tuple<QString, Tone>> scores;
    for (const QualityBreakdownLine& line : card.breakdown)
        scores.emplace_back(line.scoreText, line.tone);
    EXPECT_EQ(scores,
              (std::vector<std::tuple<QString, Tone>>{
                  {"90", Tone::green}, {"75", Tone::yellow}, {"55", Tone::orange}, {"30", Tone::red}}));
}

TEST(SpeedTestCardTest, UnderLoadLineAndRatesAsTheReaderWritesNumbers) {
    SpeedTestResult result;
    result.downloadSpeed = 1234.5;
    result.uploadSpeed = 48.26;
    // Pings quicker under load added nothing: no negative figure.
    result.loadedLatency = {{30.0, 10, 0}, {20.0, 30, 0}, {25.0, 40, 0}};
    const SpeedTestCardData card = speedTestCard(SpeedTestState::completed(result), true);
    EXPECT_EQ(card.page, SpeedTestPage::completed);
    EXPECT_EQ(card.underLoadFigure, "Under load: +0 ms");
    EXPECT_EQ(card.underLoad, card.underLoadFigure + " \u00b7 " + card.grade);
    EXPECT_EQ(speedTestRate(1000), "1.0 Gbps");

    result.loadedLatency = {{std::nullopt, 10, 10}, {}, {}};
    const SpeedTestCardData unanswered = speedTestCard(SpeedTestState::completed(result), true);
    EXPECT_EQ(unanswered.underLoad, "Under load: no answer to the pings");
    EXPECT_TRUE(unanswered.grade.isEmpty());
    EXPECT_EQ(speedTestCard(SpeedTestState::idle(), false).runText, "Run Speed Test");

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(speedTestRate(48.26), "48,3 Mbps");
    QLocale::setDefault(before);
}

TEST(TipsSectionTest, CountsEveryTipAndListsTheFirstThreeInTheirTones) {
    EXPECT_FALSE(tipsSection({}).visible);
    std::vector<Tip> tips(5);
    for (std::size_t i = 0; i < tips.size(); ++i)
        tips[i].title = "Tip " + std::to_string(i + 1);
    tips[0].priority = TipPriority::critical;
    tips[0].action = "Restart your router";
    tips[1].priority = TipPriority::warning;
    // A pattern, when set, is what is shown, with its arguments put in.
    tips[2].description = "Seen 3 times";
    tips[2].descriptionPattern = "Seen %1 times";
    tips[2].descriptionArguments = {"4"};
    const TipsSectionData data = tipsSection(tips);
    EXPECT_TRUE(data.visible);
    EXPECT_EQ(data.count, "(5)");
    ASSERT_EQ(data.rows.size(), 3u);
    EXPECT_EQ(data.rows[2].title, "Tip 3");
    EXPECT_EQ(data.rows[2].description, "Seen 4 times");
    EXPECT_EQ(data.rows[0].action, "Restart your router");
    EXPECT_EQ(data.rows[1].action, std::nullopt);
    EXPECT_EQ((std::vector<Tone>{data.rows[0].tone, data.rows[1].tone, data.rows[2].tone}),
              (std::vector<Tone>{Tone::red, Tone::orange, Tone::blue}));
}

TEST(PingCardTest, FiguresAsTheReaderWritesNumbers) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(pingCard(stats(31.9, 0, 12.5), {}).loss, "12,5%");
    QLocale::setDefault(before);
}
