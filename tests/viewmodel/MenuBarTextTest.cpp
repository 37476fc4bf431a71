#include "viewmodel/MenuBarText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
MenuBarTextInput input(MenuBarDisplayMode mode, std::optional<double> latency = 23.7, int score = 87) {
    MenuBarTextInput in;
    in.mode = mode;
    in.internetLatency = latency;
    in.score = score;
    return in;
}
} // namespace

TEST(MenuBarText, EachModeReadsAsItShould) {
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::icon)), std::nullopt);
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::ping)), "23ms");
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::quality)), "87");
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::pingAndQuality)), "23ms • 87");

    // Without internet samples: no ping text, the score alone.
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::ping, std::nullopt)), std::nullopt);
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::pingAndQuality, std::nullopt)), "87");
    EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::quality, std::nullopt, 0)), "0");

    // Text switched off: nothing in any mode.
    for (const MenuBarDisplayMode mode : allMenuBarDisplayModes) {
        MenuBarTextInput off = input(mode);
        off.showText = false;
        EXPECT_EQ(menuBarText(off), std::nullopt) << rawValue(mode);
    }
}

TEST(MenuBarText, LatenciesALabelCannotShowAreLeftOut) {
    for (const double latency :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e19, -1e19}) {
        EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::ping, latency)), std::nullopt) << latency;
        EXPECT_EQ(menuBarText(input(MenuBarDisplayMode::pingAndQuality, latency)), "87") << latency;
    }
}

TEST(MenuBarText, BandwidthUsesCompactRates) {
    MenuBarTextInput in = input(MenuBarDisplayMode::bandwidth);
    in.speed = {0, 2'400};
    EXPECT_EQ(menuBarText(in), "↓0 ↑2K");
    in.speed = {1'600'000, 999};
    EXPECT_EQ(menuBarText(in), "↓2M ↑0");
    EXPECT_EQ(compactRate(12'345'678), "12M");
    EXPECT_EQ(compactRate(999'999), "1000K");
    EXPECT_EQ(compactRate(999), "0");
}
