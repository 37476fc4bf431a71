#include "core/TimerInterval.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace std::chrono_literals;

TEST(TimerInterval, UsablePeriodsBecomeWholeMilliseconds) {
    EXPECT_EQ(timerInterval(2.0, 10.0), 2000ms);
    EXPECT_EQ(timerInterval(0.0104, 10.0), 10ms);
    // Never rounded down to a timer that fires without pause.
    EXPECT_EQ(timerInterval(0.0001, 10.0), 1ms);
    // Longer than a timer holds: the longest it can wait.
    EXPECT_EQ(timerInterval(1e12, 10.0), std::chrono::milliseconds(INT_MAX));
}

TEST(TimerInterval, DamagedPeriodsFallBack) {
    for (const double damaged : {std::nan(""), std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(), -1.0, 0.0})
        EXPECT_EQ(timerInterval(damaged, 2.0), 2000ms) << damaged;
}
