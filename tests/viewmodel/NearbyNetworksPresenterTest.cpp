#include "viewmodel/NearbyNetworksPresenter.h"

#include <gtest/gtest.h>

namespace {

ScannedNetwork network(std::string ssid, int rssi, WiFiBand band, std::optional<int> noise = -90,
                       WiFiSecurity security = WiFiSecurity::wpa2Psk) {
    ScannedNetwork n;
    n.ssid = std::move(ssid);
    n.rssi = rssi;
    n.noise = noise;
    n.channel = band == WiFiBand::band2_4GHz ? 6 : 36;
    n.band = band;
    n.security = security;
    return n;
}

} // namespace

TEST(NearbyNetworksScreenTest, SignalColoursChangeExactlyAtTheirThresholds) {
    EXPECT_EQ(rssiTone(-50), Tone::green);
    EXPECT_EQ(rssiTone(-51), Tone::yellow);
    EXPECT_EQ(rssiTone(-60), Tone::yellow);
    EXPECT_EQ(rssiTone(-61), Tone::orange);
    EXPECT_EQ(rssiTone(-70), Tone::orange);
    EXPECT_EQ(rssiTone(-71), Tone::red);
}

TEST(NearbyNetworksScreenTest, RowsShowTheirFiguresAndWeakProtection) {
    const auto strong = nearbyNetworkRow(network("Upstairs", -51, WiFiBand::band2_4GHz));
    EXPECT_EQ(strong.rssiText, "-51 dBm");
    EXPECT_EQ(strong.snr, "SNR 39");
    EXPECT_EQ(strong.channel, "Ch 6");
    EXPECT_FALSE(strong.isInsecure);

    // No noise reading: no made-up ratio.
    EXPECT_TRUE(nearbyNetworkRow(network("Cellar", -81, WiFiBand::band2_4GHz, std::nullopt)).snr.isEmpty());
    EXPECT_TRUE(
        nearbyNetworkRow(network("Cafe", -60, WiFiBand::band2_4GHz, -90, WiFiSecurity::open)).isInsecure);
    EXPECT_TRUE(
        nearbyNetworkRow(network("Old", -60, WiFiBand::band2_4GHz, -90, WiFiSecurity::wep)).isInsecure);
}

TEST(NearbyNetworksScreenTest, TheFilterNarrowsTheRowsButNotTheCount) {
    const std::vector networks{network("A", -50, WiFiBand::band2_4GHz), network("B", -60, WiFiBand::band5GHz),
                               network("C", -70, WiFiBand::band6GHz)};
    const auto all = nearbyNetworksScreen(networks, false, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(all.count, "(3)");
    EXPECT_EQ(all.rows.size(), 3u);
    ASSERT_EQ(all.filters.size(), 4u);
    EXPECT_EQ(all.filters[0], (BandFilterChoice{"All", true}));
    EXPECT_EQ(all.filters[3].title, "6 GHz");
    EXPECT_FALSE(all.showsEmptyState);

    const auto five = nearbyNetworksScreen(networks, false, std::nullopt, std::nullopt, WiFiBand::band5GHz);
    EXPECT_EQ(five.count, "(3)");
    ASSERT_EQ(five.rows.size(), 1u);
    EXPECT_EQ(five.rows[0].ssid, "B");
    EXPECT_TRUE(five.filters[2].selected);
    EXPECT_FALSE(five.filters[0].selected);

    // Without a 6 GHz network there is no 6 GHz filter.
    EXPECT_EQ(
        nearbyNetworksScreen({networks[0]}, false, std::nullopt, std::nullopt, std::nullopt).filters.size(),
        3u);
}

TEST(NearbyNetworksScreenTest, NothingFoundIsSaidOnlyOnceTheScanIsOver) {
    const auto before = nearbyNetworksScreen({}, false, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_TRUE(before.count.isEmpty());
    EXPECT_TRUE(before.showsEmptyState);
    EXPECT_TRUE(before.error.isEmpty());
    EXPECT_FALSE(nearbyNetworksScreen({}, true, std::nullopt, std::nullopt, std::nullopt).showsEmptyState);
    EXPECT_EQ(nearbyNetworksScreen({}, false, std::string("No WiFi interface available"), std::nullopt,
                                   std::nullopt)
                  .error,
              "No WiFi interface available");
}
