#include "core/PingStatistics.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

std::vector<PingResult> samples(std::initializer_list<double> latencies) {
    std::vector<PingResult> history;
    for (double latency : latencies)
        history.push_back(latency < 0 ? PingResult::failed() : PingResult{latency, TimePoint{}});
    return history;
}

constexpr double kLost = -1.0;

} // namespace

TEST(PingStatistics, EmptyHistoryIsAllZero) {
    EXPECT_EQ(calculateStatistics({}), PingStatistics{});
}

TEST(PingStatistics, AllFailedIsFullLossWithZeroLatencies) {
    const auto stats = calculateStatistics(samples({kLost, kLost, kLost}));
    EXPECT_EQ(stats, (PingStatistics{0, 0, 100, 0, 0, 3}));
}

TEST(PingStatistics, SingleSuccessHasNoJitter) {
    const auto stats = calculateStatistics(samples({7.5}));
    EXPECT_EQ(stats, (PingStatistics{7.5, 0, 0, 7.5, 7.5, 1}));
}

TEST(PingStatistics, LostSampleIsSkippedForLatencyButCountsAsLoss) {
    const auto stats = calculateStatistics(samples({10, kLost, 30}));
    EXPECT_DOUBLE_EQ(stats.averageLatency, 20);
    // The two successes around the gap count as neighbours.
    EXPECT_DOUBLE_EQ(stats.jitter, 20);
    EXPECT_DOUBLE_EQ(stats.minLatency, 10);
    EXPECT_DOUBLE_EQ(stats.maxLatency, 30);
    EXPECT_NEAR(stats.packetLoss, 100.0 / 3.0, 1e-9);
    EXPECT_EQ(stats.samplesCount, 3);
}

TEST(PingStatistics, JitterIsMeanSuccessiveDifferenceNotDeviation) {
    const auto alternating = calculateStatistics(samples({10, 20, 10, 20}));
    EXPECT_DOUBLE_EQ(alternating.jitter, 10);
    EXPECT_DOUBLE_EQ(alternating.averageLatency, 15);

    // A steady climb has a large spread but small successive steps.
    const auto climbing = calculateStatistics(samples({1, 2, 3, 4, 5}));
    EXPECT_DOUBLE_EQ(climbing.jitter, 1);
    EXPECT_DOUBLE_EQ(climbing.minLatency, 1);
    EXPECT_DOUBLE_EQ(climbing.maxLatency, 5);
}

TEST(PingStatistics, ZeroLatencyIsASuccess) {
    const auto stats = calculateStatistics(samples({0, kLost}));
    EXPECT_DOUBLE_EQ(stats.packetLoss, 50);
    EXPECT_DOUBLE_EQ(stats.averageLatency, 0);
    EXPECT_EQ(stats.samplesCount, 2);
}

TEST(PingStatistics, FailedSamplesAreCopiesOfOneConstant) {
    EXPECT_EQ(PingResult::failed(), PingResult::failed());
    EXPECT_EQ(PingResult::failed().latency, -1.0);
    EXPECT_FALSE(PingResult::failed().succeeded());
}
