#include "reports/UpdateSchedule.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(UpdateSchedule, UnforcedChecksWaitTheIntervalAfterTheLastSuccess) {
    const TimePoint last = TimePoint(1'800'000'000s);
    const auto interval = std::chrono::milliseconds(24h);
    EXPECT_TRUE(updateCheckDue(std::nullopt, last, false, interval));
    EXPECT_FALSE(updateCheckDue(last, last, false, interval));
    EXPECT_FALSE(updateCheckDue(last, last + 24h - 1ms, false, interval));
    EXPECT_TRUE(updateCheckDue(last, last + 24h, false, interval));
    EXPECT_TRUE(updateCheckDue(last, last + 30 * 24h, false, interval));
    // A clock set back: the last check seems not to have happened yet.
    EXPECT_FALSE(updateCheckDue(last, last - 1h, false, interval));
}

TEST(UpdateSchedule, AForcedCheckIsAlwaysDue) {
    const TimePoint last = TimePoint(1'800'000'000s);
    for (const TimePoint now : {last - 1h, last, last + 1min, last + 24h})
        EXPECT_TRUE(updateCheckDue(last, now, true, std::chrono::milliseconds(24h)));
    EXPECT_TRUE(updateCheckDue(std::nullopt, last, true, std::chrono::milliseconds(24h)));
}
