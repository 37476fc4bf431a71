#include "core/ConnectionQuality.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
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

TEST(ConnectionQuality, ScoreTruncatesInsteadOfRounding) {
    // 91, 79, 100, 100 weigh in at 89.95.
    const ConnectionQuality quality(-35, 21.5, std::nullopt, std::nullopt);
    EXPECT_EQ(quality.breakdown, (QualityBreakdown{91, 79, 100, 100}));
    EXPECT_EQ(quality.score, 89);
    EXPECT_EQ(quality.rating, QualityRating::good);
}

TEST(ConnectionQuality, SignalSubScore) {
    EXPECT_EQ(ConnectionQuality::signalScore(std::nullopt), 50);
    EXPECT_EQ(ConnectionQuality::signalScore(-95), 0);
    EXPECT_EQ(ConnectionQuality::signalScore(-90), 0);
    EXPECT_EQ(ConnectionQuality::signalScore(-75), 25);
    EXPECT_EQ(ConnectionQuality::signalScore(-60), 50);
    EXPECT_EQ(ConnectionQuality::signalScore(-55), 58);
    EXPECT_EQ(ConnectionQuality::signalScore(-30), 100);
    EXPECT_EQ(ConnectionQuality::signalScore(-10), 100);
    EXPECT_EQ(ConnectionQuality::signalScore(std::numeric_limits<int>::max()), 100);
    EXPECT_EQ(ConnectionQuality::signalScore(std::numeric_limits<int>::min()), 0);
}

TEST(ConnectionQuality, LatencySubScore) {
    EXPECT_EQ(ConnectionQuality::latencyScore(std::nullopt), 50);
    EXPECT_EQ(ConnectionQuality::latencyScore(0.0), 50);
    EXPECT_EQ(ConnectionQuality::latencyScore(-1.0), 50);
    EXPECT_EQ(ConnectionQuality::latencyScore(kNaN), 50);
    EXPECT_EQ(ConnectionQuality::latencyScore(0.5), 100);
    EXPECT_EQ(ConnectionQuality::latencyScore(9.9), 91);
    EXPECT_EQ(ConnectionQuality::latencyScore(10.0), 90);
    EXPECT_EQ(ConnectionQuality::latencyScore(10.5), 90);
    EXPECT_EQ(ConnectionQuality::latencyScore(50.0), 50);
    EXPECT_EQ(ConnectionQuality::latencyScore(51.0), 50);
    EXPECT_EQ(ConnectionQuality::latencyScore(52.0), 49);
    EXPECT_EQ(ConnectionQuality::latencyScore(100.0), 20);
    EXPECT_EQ(ConnectionQuality::latencyScore(104.9), 20);
    EXPECT_EQ(ConnectionQuality::latencyScore(105.0), 19);
    EXPECT_EQ(ConnectionQuality::latencyScore(200.0), 0);
    EXPECT_EQ(ConnectionQuality::latencyScore(5000.0), 0);
    EXPECT_EQ(ConnectionQuality::latencyScore(kInf), 0);
}

TEST(ConnectionQuality, JitterSubScore) {
    EXPECT_EQ(ConnectionQuality::jitterScore(std::nullopt), 100);
    EXPECT_EQ(ConnectionQuality::jitterScore(-0.1), 100);
    EXPECT_EQ(ConnectionQuality::jitterScore(kNaN), 100);
    EXPECT_EQ(ConnectionQuality::jitterScore(0.0), 100);
    EXPECT_EQ(ConnectionQuality::jitterScore(1.2), 96);
    EXPECT_EQ(ConnectionQuality::jitterScore(5.0), 80);
    EXPECT_EQ(ConnectionQuality::jitterScore(5.5), 79);
    EXPECT_EQ(ConnectionQuality::jitterScore(20.0), 31);
    EXPECT_EQ(ConnectionQuality::jitterScore(20.001), 30);
    EXPECT_EQ(ConnectionQuality::jitterScore(21.0), 29);
    EXPECT_EQ(ConnectionQuality::jitterScore(50.0), 0);
    EXPECT_EQ(ConnectionQuality::jitterScore(kInf), 0);
}

TEST(ConnectionQuality, PacketLossSubScore) {
    EXPECT_EQ(ConnectionQuality::packetLossScore(std::nullopt), 100);
    EXPECT_EQ(ConnectionQuality::packetLossScore(0.0), 100);
    EXPECT_EQ(ConnectionQuality::packetLossScore(kNaN), 100);
    EXPECT_EQ(ConnectionQuality::packetLossScore(0.5), 85);
    EXPECT_EQ(ConnectionQuality::packetLossScore(1.0), 70);
    EXPECT_EQ(ConnectionQuality::packetLossScore(1.1), 69);
    EXPECT_EQ(ConnectionQuality::packetLossScore(5.0), 20);
    EXPECT_EQ(ConnectionQuality::packetLossScore(5.2), 20);
    EXPECT_EQ(ConnectionQuality::packetLossScore(5.25), 19);
    EXPECT_EQ(ConnectionQuality::packetLossScore(10.0), 0);
    EXPECT_EQ(ConnectionQuality::packetLossScore(100.0), 0);
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
    EXPECT_EQ(colorName(QualityRating::fair), "yellow");
    EXPECT_EQ(colorName(QualityRating::bad), "red");
}
