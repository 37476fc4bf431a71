#include "viewmodel/DiagnosticsFormat.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
PingStatistics averaged(double average, int samples = 10) {
    PingStatistics stats;
    stats.averageLatency = average;
    stats.samplesCount = samples;
    return stats;
}
} // namespace

TEST(DiagnosticsFormat, LatencyColourBandsAndTheNoSampleCase) {
    const std::vector<std::tuple<PingStatistics, Tone>> cases{
        {averaged(500, 0), Tone::green}, {averaged(29.9), Tone::green},  {averaged(30), Tone::yellow},
        {averaged(31.9), Tone::yellow},  {averaged(49.9), Tone::yellow}, {averaged(50), Tone::orange},
        {averaged(99.9), Tone::orange},  {averaged(100), Tone::red},     {averaged(-1), Tone::red}};
    for (const auto& [stats, colour] : cases)
        EXPECT_EQ(latencyTone(stats), colour) << stats.averageLatency << " / " << stats.samplesCount;

    // Every echo lost averages to 0 ms; that is no answer, not a fast one.
    PingStatistics lost = averaged(0);
    lost.packetLoss = 100.0;
    EXPECT_FALSE(anyAnswered(lost));
    EXPECT_EQ(latencyTone(lost), Tone::red);
    lost.packetLoss = 96.7;
    EXPECT_TRUE(anyAnswered(lost));
}

TEST(DiagnosticsFormat, JitterNoteStartsAboveFiveAndTurnsUnstableAboveTen) {
    EXPECT_EQ(jitterNote(5.0), std::nullopt);
    EXPECT_EQ(jitterNote(7.0), (ValueNote{"varying", std::nullopt}));
    EXPECT_EQ(jitterNote(10.0), (ValueNote{"varying", std::nullopt}));
    EXPECT_EQ(jitterNote(10.5), (ValueNote{"unstable", Tone::orange}));
}

TEST(DiagnosticsFormat, PacketLossAndScoreColours) {
    const std::vector<std::tuple<double, Tone>> colours{
        {0.0, Tone::green},  {0.5, Tone::green},  {1.0, Tone::yellow}, {4.9, Tone::yellow},
        {5.0, Tone::orange}, {9.9, Tone::orange}, {10.0, Tone::red},   {100.0, Tone::red}};
    for (const auto& [loss, colour] : colours)
        EXPECT_EQ(lossTone(loss), colour) << loss;
}

TEST(DiagnosticsFormat, LookupTimeColourAndNote) {
    const std::vector<std::tuple<double, Tone, std::optional<std::string_view>>> cases{
        {19.6, Tone::green, "fast"},        {20.0, Tone::green, std::nullopt},
        {50.0, Tone::yellow, std::nullopt}, {100.0, Tone::orange, std::nullopt},
        {100.5, Tone::orange, "slow"},      {150.0, Tone::orange, "slow"},
        {200.0, Tone::red, "slow"},         {250.0, Tone::red, "slow"}};
    for (const auto& [time, colour, note] : cases) {
        EXPECT_EQ(dnsLookupTone(time), colour) << time;
        const auto shown = dnsLookupNote(time);
        EXPECT_EQ(shown ? std::optional(shown->text) : std::nullopt, note) << time;
    }
    EXPECT_EQ(dnsLookupNote(5.0)->tone, Tone::green);
    EXPECT_EQ(dnsLookupNote(300.0)->tone, Tone::orange);
}

TEST(DiagnosticsFormat, SignalAndSubScoreColourBoundaries) {
    const std::vector<std::tuple<int, Tone>> signal{
        {-40, Tone::green},  {-60, Tone::green},  {-61, Tone::yellow}, {-70, Tone::yellow},
        {-71, Tone::orange}, {-80, Tone::orange}, {-81, Tone::red}};
    for (const auto& [rssi, colour] : signal)
        EXPECT_EQ(signalTone(rssi), colour) << rssi;
    const std::vector<std::tuple<int, Tone>> scores{
        {100, Tone::green}, {80, Tone::green},  {79, Tone::yellow}, {60, Tone::yellow},
        {59, Tone::orange}, {40, Tone::orange}, {39, Tone::red},    {0, Tone::red}};
    for (const auto& [score, colour] : scores)
        EXPECT_EQ(scoreTone(score), colour) << score;
}
