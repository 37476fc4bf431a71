#include "core/ConnectionQuality.h"
#include "core/PingStatistics.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <utility>
#include <vector>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The summary the ping service would publish for these samples; -1 is a lost ping.
PingStatistics summaryOf(const std::vector<double>& latencies) {
    std::vector<PingResult> samples;
    for (const double latency : latencies)
        samples.push_back(PingResult{latency, {}});
    return calculateStatistics(samples);
}
} // namespace

TEST(ConnectionQuality, DefaultIsTheUncomputedPlaceholder) {
    const ConnectionQuality quality;
    EXPECT_EQ(quality.score, 0);
    EXPECT_EQ(quality.rating, QualityRating::unknown);
    EXPECT_EQ(quality.breakdown, QualityBreakdown{});
}

TEST(ConnectionQuality, ReferenceConnections) {
    const ConnectionQuality noData(std::nullopt, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(noData.breakdown, (QualityBreakdown{50, 50, 100, 100}));
    EXPECT_EQ(noData.score, 67);
    EXPECT_EQ(noData.rating, QualityRating::fair);

    const ConnectionQuality typical(-55, 8.7, 1.2, 0.0);
    EXPECT_EQ(typical.breakdown, (QualityBreakdown{58, 92, 96, 100}));
    EXPECT_EQ(typical.score, 83);
    EXPECT_EQ(typical.rating, QualityRating::good);

    const ConnectionQuality awful(-92, 250, 60, 20);
    EXPECT_EQ(awful.breakdown, (QualityBreakdown{0, 0, 0, 0}));
    EXPECT_EQ(awful.score, 0);
    EXPECT_EQ(awful.rating, QualityRating::unknown);

    const ConnectionQuality perfect(-30, 0.5, 0, 0);
    EXPECT_EQ(perfect.breakdown, (QualityBreakdown{100, 100, 100, 100}));
    EXPECT_EQ(perfect.score, 100);
    EXPECT_EQ(perfect.rating, QualityRating::excellent);
}

TEST(ConnectionQuality, FromTheInternetSummary) {
    const ConnectionQuality unmeasured(std::nullopt, summaryOf({}));
    EXPECT_EQ(unmeasured.breakdown, (QualityBreakdown{50, 50, 100, 100}));
    EXPECT_EQ(unmeasured.score, 67);

    // Answers in 0 ms say nothing about latency: neutral, not perfect.
    EXPECT_EQ(ConnectionQuality(-60, summaryOf({0.0, 0.0})).breakdown, (QualityBreakdown{50, 50, 100, 100}));

    // Some pings lost: average 9, jitter 2, loss 33.3 %.
    EXPECT_EQ(ConnectionQuality(-55, summaryOf({8.0, -1.0, 10.0})).breakdown,
              (QualityBreakdown{58, 91, 92, 0}));

    // Every ping lost is no internet at all, not a connection of unknown latency.
    const ConnectionQuality outage(std::nullopt, summaryOf({-1.0, -1.0, -1.0}));
    EXPECT_EQ(outage.breakdown, (QualityBreakdown{50, 0, 0, 0}));
    EXPECT_EQ(outage.score, 15);
    EXPECT_EQ(outage.rating, QualityRating::bad);
}

TEST(ConnectionQuality, ScoreTruncatesInsteadOfRounding) {
    // 91, 79, 100, 100 weigh in at 89.95.
    const ConnectionQuality quality(-35, 21.5, std::nullopt, std::nullopt);
    EXPECT_EQ(quality.breakdown, (QualityBreakdown{91, 79, 100, 100}));
    EXPECT_EQ(quality.score, 89);
    EXPECT_EQ(quality.rating, QualityRating::good);
}

template <typename In> using Cases = std::vector<std::pair<std::optional<In>, int>>;

TEST(ConnectionQuality, SignalSubScore) {
    const Cases<int> cases{{std::nullopt, 50}, {-95, 0},   {-90, 0},   {-75, 25},      {-60, 50},
                           {-55, 58},          {-30, 100}, {-10, 100}, {INT_MAX, 100}, {INT_MIN, 0}};
    for (const auto& [rssi, expected] : cases)
        EXPECT_EQ(ConnectionQuality::signalScore(rssi), expected) << rssi.value_or(0);
}

TEST(ConnectionQuality, LatencySubScore) {
    const Cases<double> cases{{std::nullopt, 50}, {0.0, 50},   {-1.0, 50},  {kNaN, 50},  {0.5, 100},
                              {9.9, 91},          {10.0, 90},  {10.5, 90},  {50.0, 50},  {51.0, 50},
                              {52.0, 49},         {100.0, 20}, {104.9, 20}, {105.0, 19}, {200.0, 0},
                              {5000.0, 0},        {kInf, 0}};
    for (const auto& [latency, expected] : cases)
        EXPECT_EQ(ConnectionQuality::latencyScore(latency), expected) << latency.value_or(-999);
}

TEST(ConnectionQuality, JitterSubScore) {
    const Cases<double> cases{{std::nullopt, 100}, {-0.1, 100}, {kNaN, 100}, {0.0, 100},
                              {1.2, 96},           {5.0, 80},   {5.5, 79},   {20.0, 31},
                              {20.001, 30},        {21.0, 29},  {50.0, 0},   {kInf, 0}};
    for (const auto& [jitter, expected] : cases)
        EXPECT_EQ(ConnectionQuality::jitterScore(jitter), expected) << jitter.value_or(-999);
}

TEST(ConnectionQuality, PacketLossSubScore) {
    const Cases<double> cases{{std::nullopt, 100}, {0.0, 100}, {kNaN, 100}, {0.5, 85}, {1.0, 70}, {1.1, 69},
                              {5.0, 20},           {5.2, 20},  {5.25, 19},  {10.0, 0}, {100.0, 0}};
    for (const auto& [loss, expected] : cases)
        EXPECT_EQ(ConnectionQuality::packetLossScore(loss), expected) << loss.value_or(-999);
}

TEST(QualityRating, ScoreBands) {
    const std::pair<int, QualityRating> cases[] = {
        {-1, QualityRating::unknown},  {0, QualityRating::unknown},    {1, QualityRating::bad},
        {29, QualityRating::bad},      {30, QualityRating::poor},      {49, QualityRating::poor},
        {50, QualityRating::fair},     {69, QualityRating::fair},      {70, QualityRating::good},
        {89, QualityRating::good},     {90, QualityRating::excellent}, {100, QualityRating::excellent},
        {101, QualityRating::unknown},
    };
    for (const auto& [score, rating] : cases)
        EXPECT_EQ(qualityRatingForScore(score), rating) << score;
}

TEST(QualityRating, TextsRoundTripAndUnknownTextBuildsNothing) {
    for (auto rating : {QualityRating::excellent, QualityRating::good, QualityRating::fair,
                        QualityRating::poor, QualityRating::bad, QualityRating::unknown})
        EXPECT_EQ(qualityRatingFromRawValue(rawValue(rating)), rating);
    EXPECT_EQ(rawValue(QualityRating::excellent), "Excellent");
    EXPECT_EQ(qualityRatingFromRawValue("excellent"), std::nullopt);
    EXPECT_EQ(description(QualityRating::unknown), "Gathering data...");
    EXPECT_EQ(tone(QualityRating::fair), Tone::yellow);
    EXPECT_EQ(tone(QualityRating::bad), Tone::red);
}
