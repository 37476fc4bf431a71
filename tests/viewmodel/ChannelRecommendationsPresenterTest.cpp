#include "viewmodel/ChannelRecommendationsPresenter.h"

#include <gtest/gtest.h>

namespace {

ChannelRecommendation rated(int channel, WiFiBand band, int score, int networks) {
    ChannelRecommendation r;
    r.channel = channel;
    r.band = band;
    r.score = score;
    r.networkCount = networks;
    r.reason = "reason";
    return r;
}

} // namespace

TEST(ChannelRecommendationsScreenTest, LinesMarkTheBestAndCountOnlyOccupiedChannels) {
    const auto best = recommendationLine(rated(6, WiFiBand::band2_4GHz, 90, 0));
    EXPECT_TRUE(best.isBest);
    EXPECT_TRUE(best.networkCount.isEmpty());
    EXPECT_EQ(best.channel, "Channel 6");

    const auto good = recommendationLine(rated(6, WiFiBand::band2_4GHz, 89, 1));
    EXPECT_FALSE(good.isBest);
    EXPECT_EQ(good.score, "89");
    EXPECT_EQ(good.scoreTone, Tone::green);
    EXPECT_EQ(good.networkCount, "1");
    EXPECT_EQ(recommendationLine(rated(6, WiFiBand::band2_4GHz, 40, 2)).scoreTone, Tone::orange);
    EXPECT_EQ(recommendationLine(rated(6, WiFiBand::band2_4GHz, 39, 3)).scoreTone, Tone::red);
}

TEST(ChannelRecommendationsScreenTest, BandsKeepTheScannersOrderAndTheFirstIsBest) {
    EXPECT_EQ(channelRecommendationsScreen({}), ChannelRecommendationsScreen{});

    const auto screen = channelRecommendationsScreen({rated(36, WiFiBand::band5GHz, 100, 0),
                                                      rated(1, WiFiBand::band2_4GHz, 70, 2),
                                                      rated(149, WiFiBand::band5GHz, 95, 0)});
    EXPECT_EQ(screen.bestChannel, "Ch 36");
    ASSERT_EQ(screen.bands.size(), 2u);
    EXPECT_EQ(screen.bands[0].title, "2.4 GHz");
    ASSERT_EQ(screen.bands[0].lines.size(), 1u);
    ASSERT_EQ(screen.bands[1].lines.size(), 2u);
    EXPECT_EQ(screen.bands[1].lines[1].channel, "Channel 149");
}
