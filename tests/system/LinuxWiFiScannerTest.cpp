#include "system/linux/LinuxWiFiScanner.h"
#include "system/linux/KernelScanSource.h"
#include "system/linux/ScanTrigger.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Status = ScanTrigger::Outcome::Status;

class FakeTrigger final : public ScanTrigger {
public:
    Outcome requestScan(const std::string& interfaceName, std::chrono::milliseconds) override {
        requestedFor.push_back(interfaceName);
        return outcome;
    }
    Outcome outcome;
    std::vector<std::string> requestedFor;
};

class FakeKernel final : public KernelScanSource {
public:
    std::optional<std::vector<nl80211::InterfaceInfo>> interfaces() override { return interfaceList; }
    std::optional<std::vector<nl80211::ScanResult>> scanResults(std::uint32_t index) override {
        scannedIndex = index;
        return results;
    }
    std::vector<nl80211::SurveyEntry> survey(std::uint32_t) override { return surveyEntries; }
    std::string lastError() const override { return "Operation not permitted"; }

    std::optional<std::vector<nl80211::InterfaceInfo>> interfaceList;
    std::optional<std::vector<nl80211::ScanResult>> results;
    std::vector<nl80211::SurveyEntry> surveyEntries;
    std::optional<std::uint32_t> scannedIndex;
};

nl80211::InterfaceInfo station(std::uint32_t index, std::string name, bool connected = false) {
    nl80211::InterfaceInfo info;
    info.index = index;
    info.name = std::move(name);
    info.type = nl80211::interfaceTypeStation;
    if (connected)
        info.ssid = Bytes{'H', 'o', 'm', 'e'};
    return info;
}

Bytes ssidElement(const std::string& name) {
    Bytes bytes;
    bytes.push_back(0);
    bytes.push_back(static_cast<std::uint8_t>(name.size()));
    for (const char c : name)
        bytes.push_back(static_cast<std::uint8_t>(c));
    return bytes;
}

// RSN offering SAE and PSK, as a WPA3 transition network does.
const Bytes kRsnSaeAndPsk{48,   22, 1, 0, 0x00, 0x0F, 0xAC, 4, 1, 0,    0x00, 0x0F,
                          0xAC, 4,  2, 0, 0x00, 0x0F, 0xAC, 8, 0, 0x0F, 0xAC, 2};
// HT operation: primary channel 6, secondary channel above, 40 MHz allowed.
const Bytes kHt40{61, 22, 6, 0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

nl80211::ScanResult bss(std::uint8_t last, std::uint32_t frequency, std::int32_t mbm, Bytes elements,
                        std::uint16_t capability = 0) {
    nl80211::ScanResult result;
    result.bssid = {0x02, 0x11, 0x22, 0x33, 0x44, last};
    result.frequency = frequency;
    result.signalMbm = mbm;
    result.capability = capability;
    result.informationElements = std::move(elements);
    return result;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(LinuxScanConversion, ReadsNameSignalChannelWidthAndSecurity) {
    auto result = bss(1, 2437, -6550, concat({ssidElement("Café"), kHt40, kRsnSaeAndPsk}), 0x0011);
    const std::vector<nl80211::SurveyEntry> survey{{2412, false, -97}, {2437, true, -92}};
    const ScannedAccessPoint ap = linuxscan::accessPointFor(result, survey);
    EXPECT_EQ(ap.ssid, "Café");
    EXPECT_EQ(ap.bssid, "02:11:22:33:44:01");
    EXPECT_EQ(ap.rssi, -66);
    EXPECT_EQ(ap.noise, -92);
    EXPECT_EQ(ap.channel, (ScannedChannel{6, 2, 1}));
    EXPECT_EQ(ap.supportedSecurity,
              (std::set<std::int64_t>{wifi_codes::securityWPA2Personal, wifi_codes::securityWPA3Personal}));
}

TEST(LinuxScanConversion, SixGigahertzHiddenAndLegacyNetworks) {
    // A hidden 6 GHz network: empty SSID element, no operation elements.
    const ScannedAccessPoint hidden = linuxscan::accessPointFor(bss(2, 5955, -7000, ssidElement("")), {});
    EXPECT_EQ(hidden.ssid, std::nullopt);
    EXPECT_EQ(hidden.channel, (ScannedChannel{1, 1, 3}));
    EXPECT_EQ(hidden.noise, std::nullopt);
    EXPECT_EQ(hidden.supportedSecurity, (std::set<std::int64_t>{wifi_codes::securityNone}));

    // Privacy without RSN or WPA is WEP, whichever kind.
    const ScannedAccessPoint wep =
        linuxscan::accessPointFor(bss(3, 2412, -5000, ssidElement("old"), 0x0010), {});
    EXPECT_EQ(wep.supportedSecurity,
              (std::set<std::int64_t>{wifi_codes::securityWEP, wifi_codes::securityDynamicWEP}));

    // A frequency outside the Wi-Fi bands gives no channel; a missing signal the weakest reading.
    auto odd = bss(4, 920, 0, ssidElement("halow"));
    odd.signalMbm.reset();
    const ScannedAccessPoint sub1GHz = linuxscan::accessPointFor(odd, {});
    EXPECT_EQ(sub1GHz.channel, std::nullopt);
    EXPECT_EQ(sub1GHz.rssi, -100);
}

TEST(LinuxScanConversion, HostileElementsNeverBreakTheConversion) {
    // RSN whose AKM count runs past the end, an SSID longer than the buffer, then garbage.
    const Bytes truncatedRsn{48, 14, 1, 0, 0x00, 0x0F, 0xAC, 4, 1, 0, 0x00, 0x0F, 0xAC, 4, 9, 0};
    const ScannedAccessPoint ap =
        linuxscan::accessPointFor(bss(5, 5180, -6000, concat({truncatedRsn, {0, 200, 'x'}})), {});
    EXPECT_EQ(ap.channel, (ScannedChannel{36, 1, 2}));
    EXPECT_EQ(ap.ssid, std::nullopt);
    EXPECT_FALSE(ap.supportedSecurity.contains(wifi_codes::securityWPA2Personal));

    // Elements contradicting the channel: a 40 MHz HT element on a 5 GHz network is simply read.
    const ScannedAccessPoint wide = linuxscan::accessPointFor(bss(6, 5180, -6000, kHt40), {});
    EXPECT_EQ(wide.channel->widthCode, 2);
}

TEST(LinuxScanConversion, RandomElementBytesGiveValidCodes) {
    // Element ids the conversion looks at, so random bodies reach the interesting parsers.
    constexpr std::uint8_t kIds[] = {0, 48, 61, 192, 221, 255};
    const std::set<std::int64_t> validSecurity{
        wifi_codes::securityNone,           wifi_codes::securityWEP,
        wifi_codes::securityWPAPersonal,    wifi_codes::securityWPA2Personal,
        wifi_codes::securityDynamicWEP,     wifi_codes::securityWPAEnterprise,
        wifi_codes::securityWPA2Enterprise, wifi_codes::securityWPA3Personal,
        wifi_codes::securityWPA3Enterprise, wifi_codes::securityOWE};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        Bytes elements;
        const int count = byte(random) % 6;
        for (int i = 0; i < count; ++i) {
            elements.push_back(kIds[byte(random) % 6]);
            const int length = byte(random);
            elements.push_back(static_cast<std::uint8_t>(length));
            // Often shorter than announced, sometimes longer: both must be survived.
            const int actual = byte(random) % 2 ? length : byte(random) % 40;
            for (int j = 0; j < actual; ++j)
                elements.push_back(
                    static_cast<std::uint8_t>(byte(random) % 4 ? byte(random) : (j % 4 ? 0 : 2)));
        }
        const auto frequency = byte(random) % 2 ? 2412u + 5u * std::uint32_t(byte(random) % 13) : 5955u;
        const ScannedAccessPoint ap =
            linuxscan::accessPointFor(bss(1, frequency, -5000, elements, std::uint16_t(byte(random))), {});
        ASSERT_TRUE(ap.channel.has_value());
        EXPECT_GE(ap.channel->widthCode, 1);
        EXPECT_LE(ap.channel->widthCode, 4);
        // Only unrecognised suites may leave the set empty (security then shows as unknown).
        for (const int code : ap.supportedSecurity)
            EXPECT_TRUE(validSecurity.contains(code)) << code;
        if (ap.ssid) {
            EXPECT_LE(ap.ssid->size(), 32u * 3u);
        }
    }
}

class LinuxScanner : public ::testing::Test {
protected:
    FakeTrigger trigger;
    FakeKernel kernel;
    LinuxWiFiScanner scanner{trigger, kernel};
};

TEST_F(LinuxScanner, NoStationInterfaceMeansNoInterfaceAndNoScanRequest) {
    EXPECT_FALSE(scanner.scan().interfaceFound);

    auto accessPointMode = station(3, "ap0");
    accessPointMode.type = 3;
    kernel.interfaceList = std::vector{accessPointMode};
    EXPECT_FALSE(scanner.scan().interfaceFound);
    EXPECT_TRUE(trigger.requestedFor.empty());
}

TEST_F(LinuxScanner, ScansTheConnectedInterfaceAndMarksTheAssociatedNetwork) {
    kernel.interfaceList = std::vector{station(3, "wlan0"), station(7, "wlan1", true)};
    auto associated = bss(9, 5180, -5500, ssidElement("Home"));
    associated.status = nl80211::bssStatusAssociated;
    kernel.results = std::vector{bss(8, 2412, -7000, ssidElement("Other")), associated};

    const WiFiScanResult result = scanner.scan();
    EXPECT_TRUE(result.interfaceFound);
    EXPECT_EQ(trigger.requestedFor, std::vector<std::string>{"wlan1"});
    EXPECT_EQ(kernel.scannedIndex, 7u);
    ASSERT_EQ(result.accessPoints.size(), 2u);
    EXPECT_EQ(result.accessPoints[0].ssid, "Other");
    EXPECT_EQ(result.currentBSSID, "02:11:22:33:44:09");
    EXPECT_EQ(result.scanProblem, std::nullopt);
}

TEST_F(LinuxScanner, UntriggeredScanStillListsCachedResultsWithTheReason) {
    trigger.outcome = {Status::unavailable, "NetworkManager is not running"};
    kernel.interfaceList = std::vector{station(3, "wlan0")};
    kernel.results = std::vector{bss(1, 2412, -7000, ssidElement("Other"))};

    WiFiScanResult result = scanner.scan();
    EXPECT_EQ(result.accessPoints.size(), 1u);
    EXPECT_EQ(result.scanProblem, "NetworkManager is not running");

    kernel.results.reset();
    result = scanner.scan();
    EXPECT_TRUE(result.accessPoints.empty());
    EXPECT_EQ(result.scanProblem, "Could not read the scan results: Operation not permitted");
}

} // namespace
