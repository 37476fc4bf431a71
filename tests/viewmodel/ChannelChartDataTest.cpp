#include "viewmodel/ChannelChartData.h"

#include <gtest/gtest.h>

TEST(ChannelChartData, BarColoursChangeExactlyAtTheirThresholds) {
    EXPECT_EQ(channel2GHzTone(0), Tone::gray);
    EXPECT_EQ(channel2GHzTone(2), Tone::green);
    EXPECT_EQ(channel2GHzTone(3), Tone::orange);
    EXPECT_EQ(channel2GHzTone(4), Tone::orange);
    EXPECT_EQ(channel2GHzTone(5), Tone::red);
    EXPECT_EQ(channel5GHzTone(3), Tone::green);
    EXPECT_EQ(channel5GHzTone(4), Tone::orange);
    EXPECT_EQ(channel5GHzTone(6), Tone::orange);
    EXPECT_EQ(channel5GHzTone(7), Tone::red);
}
