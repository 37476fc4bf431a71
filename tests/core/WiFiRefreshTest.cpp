#include "core/WiFiRefresh.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

WiFiReading connectedReading() {
    WiFiReading reading;
    reading.powerOn = true;
    reading.rssiValue = -55;
    reading.ssid = "Home";
    reading.bssid = "aa:bb:cc:dd:ee:ff";
    reading.channel = WiFiChannelReading{36, wifi_codes::band5GHz, wifi_codes::width80MHz};
    reading.noiseMeasurement = -92;
    reading.transmitRate = 866.7;
    reading.activePHYMode = wifi_codes::phy11ac;
    reading.security = wifi_codes::securityWPA2Personal;
    return reading;
}

// Representative entries and the fallbacks; the texts each platform maps to are checked with its mapping.
TEST(WiFiTables, CodeTextsAndFallbacks) {
    EXPECT_EQ(phyModeText(0), "None");
    EXPECT_EQ(phyModeText(1), "802.11a");
    EXPECT_EQ(phyModeText(6), "802.11ax");
    EXPECT_EQ(phyModeText(7), "Unknown");
    EXPECT_EQ(phyModeText(-1), "Unknown");

    EXPECT_EQ(securityTypeText(3), "WPA Mixed");
    EXPECT_EQ(securityTypeText(8), "WPA Enterprise Mixed");
    EXPECT_EQ(securityTypeText(11), "Secured");
    constexpr auto largest = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(securityTypeText(largest - 1), "Secured");
    EXPECT_EQ(securityTypeText(largest), "Unknown");
    EXPECT_EQ(securityTypeText(-1), "Unknown");

    EXPECT_EQ(bandFromCode(1), WiFiBand::band2_4GHz);
    EXPECT_EQ(bandFromCode(3), WiFiBand::band6GHz);
    EXPECT_EQ(bandFromCode(0), WiFiBand::unknown);
    EXPECT_EQ(bandFromCode(4), WiFiBand::unknown);
    EXPECT_EQ(channelWidthFromCode(0), 20);
    EXPECT_EQ(channelWidthFromCode(1), 20);
    EXPECT_EQ(channelWidthFromCode(5), 20);
}

TEST(WiFiTables, BandRawValuesAreExact) {
    EXPECT_EQ(wifiBandFromRawValue("2.4 GHz"), WiFiBand::band2_4GHz);
    EXPECT_FALSE(wifiBandFromRawValue("2.4GHz"));
    for (auto band : {WiFiBand::band2_4GHz, WiFiBand::band5GHz, WiFiBand::band6GHz, WiFiBand::unknown})
        EXPECT_EQ(wifiBandFromRawValue(rawValue(band)), band);
}

TEST(WiFiRefreshDecision, NotConnectedStatesKeepThePermissionFlag) {
    EXPECT_EQ(evaluateReading(std::nullopt), WiFiRefreshResult{});

    WiFiReading radioOff = connectedReading();
    radioOff.powerOn = false;
    EXPECT_EQ(evaluateReading(radioOff), WiFiRefreshResult{});

    WiFiReading zeroSignal = connectedReading();
    zeroSignal.ssid.reset();
    zeroSignal.rssiValue = 0;
    EXPECT_EQ(evaluateReading(zeroSignal), WiFiRefreshResult{});
}

TEST(WiFiRefreshDecision, WithheldNameGivesPlaceholderAndAsksForPermission) {
    WiFiReading reading = connectedReading();
    reading.ssid.reset();
    reading.bssid.reset();

    const auto result = evaluateReading(reading);
    ASSERT_TRUE(result.info);
    EXPECT_EQ(result.info->ssid, "Unknown Network");
    EXPECT_FALSE(result.info->bssid);
    EXPECT_EQ(result.info->rssi, -55);
    EXPECT_EQ(result.needsLocationPermission, true);
}

TEST(WiFiRefreshDecision, FullReadingMapsEveryField) {
    const auto result = evaluateReading(connectedReading());
    WiFiInfo expected{"Home",     "aa:bb:cc:dd:ee:ff", -55, -92, 36, WiFiBand::band5GHz, 80, 866.7,
                      "802.11ac", "WPA2 Personal"};
    EXPECT_EQ(result.info, expected);
    EXPECT_EQ(result.needsLocationPermission, false);
}

TEST(WiFiRefreshDecision, MissingChannelAndNoiseFallBack) {
    WiFiReading reading = connectedReading();
    reading.channel.reset();
    reading.noiseMeasurement.reset();

    const auto result = evaluateReading(reading);
    ASSERT_TRUE(result.info);
    EXPECT_EQ(result.info->channel, 0);
    EXPECT_EQ(result.info->band, WiFiBand::unknown);
    EXPECT_EQ(result.info->channelWidth, 20);
    EXPECT_FALSE(result.info->noise);
}

} // namespace
