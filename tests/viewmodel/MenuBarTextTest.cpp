#include "viewmodel/MenuBarText.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

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

TEST(MenuBarText, TheIconHoldsAShortNumberForEachMode) {
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::icon)), std::nullopt);
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::ping)), "23");
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::quality)), "87");
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::pingAndQuality)), "87");
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::ping, std::nullopt)), std::nullopt);
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::quality, std::nullopt, 100)), "100");
    MenuBarTextInput off = input(MenuBarDisplayMode::quality);
    off.showText = false;
    EXPECT_EQ(iconValueText(off), std::nullopt);

    // Large pings are shortened to fit: three characters at most for any real value.
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::ping, 999.9)), "999");
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::ping, 1000.0)), "1k");
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::ping, 25'400.0)), "25k");
    EXPECT_EQ(iconValueText(input(MenuBarDisplayMode::ping, 1e19)), std::nullopt);

    MenuBarTextInput rates = input(MenuBarDisplayMode::bandwidth);
    for (const auto& [download, shown] : std::vector<std::pair<double, std::string>>{{999.0, "0"},
                                                                                     {57'000.0, "57K"},
                                                                                     {99'000.0, "99K"},
                                                                                     {870'000.0, "0.9M"},
                                                                                     {12'400'000.0, "12M"}}) {
        rates.speed.downloadBytesPerSecond = download;
        EXPECT_EQ(iconValueText(rates), shown) << download;
    }
}
