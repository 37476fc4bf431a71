#include "system/linux/WiFiCodeMapping.h"
#include "core/WiFiRefresh.h"

#include <linux/nl80211.h>

#include <gtest/gtest.h>

namespace {

using namespace wifi_mapping;
using Bytes = std::vector<std::uint8_t>;

TEST(WiFiCodeMapping, ChannelAndBandFromFrequency) {
    EXPECT_EQ(channelForFrequency(2412), 1);
    EXPECT_EQ(channelForFrequency(2484), 14);
    EXPECT_EQ(channelForFrequency(5180), 36);
    EXPECT_EQ(channelForFrequency(5885), 177);
    EXPECT_EQ(channelForFrequency(4940), 188);
    EXPECT_EQ(channelForFrequency(5935), 2);
    EXPECT_EQ(channelForFrequency(5955), 1);
    EXPECT_EQ(channelForFrequency(7115), 233);
    EXPECT_FALSE(channelForFrequency(900));

    EXPECT_EQ(bandCodeForFrequency(2484), 1);
    EXPECT_EQ(bandCodeForFrequency(5825), 2);
    // 6 GHz channel 37 shares its number with a 5 GHz channel; the band must still be 6 GHz.
    EXPECT_EQ(bandCodeForFrequency(6135), 3);
    EXPECT_EQ(bandCodeForFrequency(5935), 3);
    EXPECT_EQ(bandCodeForFrequency(60480), 0);
}

TEST(WiFiCodeMapping, ChannelWidthsIncludingNewOnes) {
    EXPECT_EQ(widthCodeForChannelWidth(NL80211_CHAN_WIDTH_20_NOHT), 1);
    EXPECT_EQ(widthCodeForChannelWidth(NL80211_CHAN_WIDTH_160), 4);
    EXPECT_EQ(widthCodeForChannelWidth(NL80211_CHAN_WIDTH_80P80), 4);
    EXPECT_EQ(widthCodeForChannelWidth(NL80211_CHAN_WIDTH_320), 4);
    EXPECT_EQ(widthCodeForChannelWidth(NL80211_CHAN_WIDTH_10), 0);
    EXPECT_EQ(widthCodeForChannelWidth(99), 0);
    EXPECT_EQ(channelWidthFromCode(widthCodeForOperatingWidth(ie::OperatingWidth::mhz320)), 160);
    EXPECT_EQ(channelWidthFromCode(widthCodeForOperatingWidth(ie::OperatingWidth::mhz40)), 40);
}

nl80211::RateInfo legacy(std::uint32_t bitrate) {
    nl80211::RateInfo rate;
    rate.bitrate = bitrate;
    return rate;
}

TEST(WiFiCodeMapping, RadioStandardTakesTheHigherOfBothDirections) {
    EXPECT_EQ(phyCodeForRate(legacy(110), 2437), wifi_codes::phy11b);
    EXPECT_EQ(phyCodeForRate(legacy(240), 2437), wifi_codes::phy11g);
    EXPECT_EQ(phyCodeForRate(legacy(60), 5180), wifi_codes::phy11a);
    EXPECT_EQ(phyCodeForRate(nl80211::RateInfo{}, 5180), wifi_codes::phyNone);

    nl80211::StationInfo station;
    station.txRate = legacy(60);
    nl80211::RateInfo he = legacy(12010);
    he.he = true;
    station.rxRate = he;
    EXPECT_EQ(phyCodeForStation(station, 5180), wifi_codes::phy11ax);

    nl80211::RateInfo eht;
    eht.eht = true;
    eht.he = true;
    station.txRate = eht;
    EXPECT_EQ(phyCodeForStation(station, 5180), wifi_codes::phy11be);
    EXPECT_EQ(phyModeText(phyCodeForStation(station, 5180)), "Unknown");

    nl80211::StationInfo rxOnly;
    nl80211::RateInfo ht;
    ht.ht = true;
    rxOnly.rxRate = ht;
    rxOnly.txRate = nl80211::RateInfo{};
    EXPECT_EQ(phyCodeForStation(rxOnly, 2437), wifi_codes::phy11n);
    EXPECT_EQ(phyCodeForStation(nl80211::StationInfo{}, 2437), wifi_codes::phyNone);
}

TEST(WiFiCodeMapping, BssidAndNetworkNameText) {
    EXPECT_EQ(formatBssid({0x0A, 0xBC, 0x00, 0xFF, 0x10, 0x9e}), "0a:bc:00:ff:10:9e");
    EXPECT_EQ(ssidText(Bytes{'C', 'a', 'f', 0xC3, 0xA9}), "Caf\xC3\xA9");
    EXPECT_EQ(ssidText(Bytes{'a', 0xFF, 'b'}), "a\xEF\xBF\xBD"
                                               "b");
    // Truncated multi-byte sequence, overlong encoding and an encoded surrogate.
    EXPECT_EQ(ssidText(Bytes{'x', 0xE2, 0x82}), "x\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(ssidText(Bytes{0xC0, 0x80}), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(ssidText(Bytes{0xED, 0xA0, 0x80}), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_FALSE(ssidText(Bytes{}));
    EXPECT_FALSE(ssidText(Bytes{0, 0, 0}));
}

TEST(WiFiCodeMapping, SecurityFromNetworkManager) {
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({})), "Open");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"none", {}, 0})), "WEP");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"wpa-psk", {}, 0})), "WPA2 Personal");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"wpa-psk", {"wpa"}, 0})), "WPA Personal");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"sae", {}, 0})), "WPA3 Personal");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"wpa-eap", {"rsn"}, 0})), "WPA2 Enterprise");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"wpa-eap", {}, 3})), "WPA3 Enterprise");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"wpa-eap-suite-b-192", {}, 0})),
              "WPA3 Enterprise");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"owe", {}, 0})), "Secured");
    EXPECT_EQ(securityTypeText(securityCodeForKeyManagement({"future-thing", {}, 0})), "Unknown");
}

Bytes rsnElement(std::uint8_t akm) {
    return {48,   20,   0x01, 0x00, 0x00, 0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00,
            0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC, akm,  0x00, 0x00};
}

TEST(WiFiCodeMapping, SecurityFromAdvertisedElements) {
    EXPECT_EQ(securityTypeText(securityCodeForElements(rsnElement(2), 0x0011)), "WPA2 Personal");
    EXPECT_EQ(securityTypeText(securityCodeForElements(rsnElement(8), 0x0011)), "WPA3 Personal");
    EXPECT_EQ(securityTypeText(securityCodeForElements(rsnElement(1), 0x0011)), "WPA2 Enterprise");
    EXPECT_EQ(securityTypeText(securityCodeForElements({}, 0x0011)), "WEP");
    EXPECT_EQ(securityTypeText(securityCodeForElements({}, 0x0001)), "Open");
    Bytes transition = rsnElement(2);
    transition[1] = 24;
    transition[14] = 2;
    transition.insert(transition.begin() + 20, {0x00, 0x0F, 0xAC, 0x08});
    EXPECT_EQ(securityCodeForElements(transition, 0x0011), wifi_codes::securityWPA3Transition);
}

nl80211::ScanResult associatedNetwork() {
    nl80211::ScanResult bss;
    bss.bssid = {0xAA, 0xBB, 0xCC, 0x00, 0x11, 0x22};
    bss.frequency = 6135;
    bss.signalMbm = -6750;
    bss.capability = 0x0011;
    bss.status = nl80211::bssStatusAssociated;
    bss.informationElements = {0, 4, 'H', 'o', 'm', 'e'};
    const Bytes rsn = rsnElement(8);
    bss.informationElements.insert(bss.informationElements.end(), rsn.begin(), rsn.end());
    return bss;
}

TEST(WiFiCodeMapping, ReadingFromAnAssociatedInterface) {
    LinkSources sources;
    sources.interface.name = "wlan0";
    sources.interface.type = nl80211::interfaceTypeStation;
    sources.interface.ssid = Bytes{'H', 'o', 'm', 'e'};
    sources.interface.frequency = 6135;
    sources.interface.channelWidth = NL80211_CHAN_WIDTH_160;
    sources.associated = associatedNetwork();
    nl80211::StationInfo station;
    station.signal = -58;
    nl80211::RateInfo tx;
    tx.bitrate = 24020;
    tx.he = true;
    station.txRate = tx;
    sources.station = station;
    sources.survey = {{6115, false, -90}, {6135, true, -95}};

    const WiFiReading reading = readingFor(sources);
    EXPECT_TRUE(reading.powerOn);
    EXPECT_EQ(reading.rssiValue, -58);
    EXPECT_EQ(reading.ssid, "Home");
    EXPECT_EQ(reading.bssid, "aa:bb:cc:00:11:22");
    EXPECT_EQ(reading.channel, (WiFiChannelReading{37, 3, 4}));
    EXPECT_EQ(reading.noiseMeasurement, -95);
    EXPECT_DOUBLE_EQ(reading.transmitRate, 2402.0);
    EXPECT_EQ(reading.activePHYMode, wifi_codes::phy11ax);
    EXPECT_EQ(reading.security, wifi_codes::securityPersonal);

    // NetworkManager's answer wins over the elements.
    sources.keyManagement = KeyManagement{"wpa-psk", {}, 0};
    EXPECT_EQ(readingFor(sources).security, wifi_codes::securityWPA2Personal);
}

TEST(WiFiCodeMapping, ReadingFallsBackWithoutStationOrNoise) {
    LinkSources sources;
    sources.up = true;
    sources.associated = associatedNetwork();
    sources.survey = {{6115, true, std::nullopt}};

    const WiFiReading reading = readingFor(sources);
    EXPECT_EQ(reading.rssiValue, -68); // -67.5 dBm rounds away from zero
    EXPECT_EQ(reading.ssid, "Home");   // from the network's own name element
    EXPECT_EQ(reading.channel, (WiFiChannelReading{37, 3, 0}));
    EXPECT_FALSE(reading.noiseMeasurement);
    EXPECT_EQ(reading.activePHYMode, wifi_codes::phyNone);
}

TEST(WiFiCodeMapping, IdleInterfaceReadsAsNotConnected) {
    LinkSources sources;
    sources.up = true;
    const WiFiReading reading = readingFor(sources);
    EXPECT_TRUE(reading.powerOn);
    EXPECT_EQ(reading.rssiValue, 0);
    EXPECT_FALSE(evaluateReading(reading).info);

    sources.up = false;
    EXPECT_FALSE(readingFor(sources).powerOn);

    // Named network plus an access-point station entry counts even when the scan cache lost it.
    sources.interface.ssid = Bytes{'X'};
    nl80211::StationInfo station;
    station.address = {1, 2, 3, 4, 5, 6};
    station.signal = -70;
    sources.station = station;
    EXPECT_EQ(readingFor(sources).bssid, "01:02:03:04:05:06");
    EXPECT_EQ(readingFor(sources).rssiValue, -70);
}

} // namespace
