#include "viewmodel/ChannelUsagePresenter.h"

#include <gtest/gtest.h>

TEST(ChannelUsageScreenTest, OneBandIsChartedOnceAScanFoundSomething) {
    const std::vector<ChannelUsage> usage2{{"2.4-6", 6, WiFiBand::band2_4GHz, {}, -60}};
    const std::vector<ChannelUsage> usage5{{"5-36", 36, WiFiBand::band5GHz, {}, -70}};

    const auto before = channelUsageScreen(WiFiBand::band2_4GHz, false, {}, {});
    EXPECT_TRUE(before.showsPlaceholder);

    const auto two = channelUsageScreen(WiFiBand::band2_4GHz, true, usage2, usage5);
    EXPECT_FALSE(two.showsPlaceholder);
    EXPECT_FALSE(two.shows5GHz);
    EXPECT_EQ(two.footnote, "Recommended: Ch 1, 6, or 11 (non-overlapping)");
    EXPECT_EQ(two.usage2GHz, usage2);

    const auto five = channelUsageScreen(WiFiBand::band5GHz, true, usage2, usage5);
    EXPECT_TRUE(five.shows5GHz);
    EXPECT_EQ(five.footnote, "Recommended: Channels 36-48 or 149-165 (non-DFS)");
    EXPECT_EQ(five.usage5GHz, usage5);

    // 6 GHz has no chart of its own.
    EXPECT_FALSE(channelUsageScreen(WiFiBand::band6GHz, true, usage2, usage5).shows5GHz);
}
