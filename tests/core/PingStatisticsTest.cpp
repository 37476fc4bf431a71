#include "core/PingStatistics.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

constexpr double kLost = -1.0;

PingStatistics statsOf(std::initializer_list<double> latencies) {
    std::vector<PingResult> history;
    for (double latency : latencies)
        history.push_back(PingResult{latency, TimePoint{}});
    return calculateStatistics(history);
}

} // namespace

TEST(PingStatistics, WindowsWithoutTwoSuccesses) {
    EXPECT_EQ(statsOf({}), PingStatistics{});
    EXPECT_EQ(statsOf({kLost, kLost, kLost}), (PingStatistics{0, 0, 100, 0, 0, 3}));
    EXPECT_EQ(statsOf({7.5}), (PingStatistics{7.5, 0, 0, 7.5, 7.5, 1}));
    // Zero milliseconds is a success, not a loss.
    EXPECT_EQ(statsOf({0, kLost}), (PingStatistics{0, 0, 50, 0, 0, 2}));
}

TEST(PingStatistics, LostSampleIsSkippedForLatencyButCountsAsLoss) {
    const auto stats = statsOf({10, kLost, 30});
    EXPECT_DOUBLE_EQ(stats.averageLatency, 20);
    // The two successes around the gap count as neighbours.
    EXPECT_DOUBLE_EQ(stats.jitter, 20);
    EXPECT_DOUBLE_EQ(stats.minLatency, 10);
    EXPECT_DOUBLE_EQ(stats.maxLatency, 30);
    EXPECT_NEAR(stats.packetLoss, 100.0 / 3.0, 1e-9);
    EXPECT_EQ(stats.samplesCount, 3);
}

TEST(PingStatistics, JitterIsMeanSuccessiveDifferenceNotDeviation) {
    const auto alternating = statsOf({10, 20, 10, 20});
    EXPECT_DOUBLE_EQ(alternating.jitter, 10);
    EXPECT_DOUBLE_EQ(alternating.averageLatency, 15);
    // A steady climb has a large spread but small successive steps.
    EXPECT_DOUBLE_EQ(statsOf({1, 2, 3, 4, 5}).jitter, 1);
}
