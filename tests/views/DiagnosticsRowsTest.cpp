#include "views/AdditionalInfoRow.h"
#include "views/SparklineView.h"

#include <gtest/gtest.h>

TEST(Sparkline, RangeLeavesRoomAndNeverDropsBelowZeroOrUnderOne) {
    using R = SparklineView::Range;
    EXPECT_EQ(SparklineView::yRange({}), (R{0.0, 1.0}));
    EXPECT_EQ(SparklineView::yRange({10.0, 20.0}), (R{8.0, 24.0}));
    EXPECT_EQ(SparklineView::yRange({0.0, 0.0}), (R{0.0, 1.0}));
    EXPECT_EQ(SparklineView::yRange({0.2, 0.5}).high, 1.0);
    EXPECT_DOUBLE_EQ(SparklineView::yRange({0.2, 0.5}).low, 0.16);
    EXPECT_EQ(SparklineView::yRange({-5.0, 2.0}).low, 0.0);
}

TEST(WiFiDetails, RowsInOrderAndOnlyWithAValue) {
    WiFiInfo wifi;
    wifi.rssi = -50;
    wifi.noise = -90;
    wifi.channel = 36;
    wifi.channelWidth = 80;
    wifi.phyMode = "802.11ax";
    wifi.securityType = "WPA3 Personal";
    wifi.bssid = "aa:bb:cc:dd:ee:ff";
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(AdditionalInfoRow::details(wifi), (Rows{{"Channel", "36 (80 MHz)"},
                                                      {"PHY Mode", "802.11ax"},
                                                      {"Security", "WPA3 Personal"},
                                                      {"SNR", "40 dB"},
                                                      {"BSSID", "aa:bb:cc:dd:ee:ff"}}));

    // No made-up ratio without a noise floor; placeholders are not values.
    wifi.noise.reset();
    wifi.channel = 0;
    wifi.phyMode = "None";
    wifi.securityType = "Unknown";
    wifi.bssid.reset();
    EXPECT_TRUE(AdditionalInfoRow::details(wifi).empty());
    wifi.phyMode = "Unknown";
    EXPECT_TRUE(AdditionalInfoRow::details(wifi).empty());
}
