#include "system/linux/InformationElements.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes element(std::uint8_t id, const Bytes& body) {
    Bytes result{id, static_cast<std::uint8_t>(body.size())};
    result.insert(result.end(), body.begin(), body.end());
    return result;
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes result;
    for (const auto& part : parts)
        result.insert(result.end(), part.begin(), part.end());
    return result;
}

// RSN body: version 1, CCMP group, one CCMP pairwise, the given AKMs, then capabilities.
Bytes rsnBody(const Bytes& akms, std::optional<std::uint16_t> capabilities = std::nullopt) {
    Bytes body{0x01, 0x00, 0x00, 0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC, 0x04};
    body.push_back(static_cast<std::uint8_t>(akms.size()));
    body.push_back(0x00);
    for (std::uint8_t akm : akms)
        body.insert(body.end(), {0x00, 0x0F, 0xAC, akm});
    if (capabilities) {
        body.push_back(static_cast<std::uint8_t>(*capabilities & 0xFF));
        body.push_back(static_cast<std::uint8_t>(*capabilities >> 8));
    }
    return body;
}

Bytes wpaBody(std::uint8_t akm) {
    return {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02, 0x01,
            0x00, 0x00, 0x50, 0xF2, 0x02, 0x01, 0x00, 0x00, 0x50, 0xF2, akm};
}

TEST(InformationElements, WalkStopsAtElementRunningPastTheEnd) {
    const Bytes bytes = join({element(0, {'a', 'b'}), element(1, {}), Bytes{48, 10, 1, 0}});
    const auto list = ie::elements(bytes);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].body.size(), 2u);
    EXPECT_TRUE(list[1].body.empty());
    EXPECT_FALSE(ie::findElement(bytes, ie::idRsn));
    EXPECT_TRUE(ie::elements(Bytes{0}).empty());
    EXPECT_TRUE(ie::elements(Bytes{}).empty());
}

TEST(InformationElements, SsidRejectsOverlongAndKeepsRawBytes) {
    EXPECT_EQ(ie::ssid(element(0, {'c', 'a', 'f', 0xE9})), (Bytes{'c', 'a', 'f', 0xE9}));
    EXPECT_EQ(ie::ssid(element(0, {})), Bytes{});
    EXPECT_FALSE(ie::ssid(element(0, Bytes(33, 'x'))));
    EXPECT_FALSE(ie::ssid(element(1, {'x'})));
}

TEST(InformationElements, RsnParsesAkmsAndProtectionBits) {
    const auto info = ie::rsn(element(48, rsnBody({2, 8}, 0x00C0)));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->akmSuites, (Bytes{2, 8}));
    EXPECT_TRUE(info->mfpRequired);
    EXPECT_TRUE(info->mfpCapable);

    const auto withoutCapabilities = ie::rsn(element(48, rsnBody({2})));
    ASSERT_TRUE(withoutCapabilities);
    EXPECT_FALSE(withoutCapabilities->mfpRequired);
}

TEST(InformationElements, RsnWithCountsPastItsLengthIsRejected) {
    Bytes akmOverrun = rsnBody({2});
    akmOverrun[12] = 0xFF; // claims 255 AKM suites
    EXPECT_FALSE(ie::rsn(element(48, akmOverrun)));

    Bytes pairwiseOverrun = rsnBody({2});
    pairwiseOverrun[6] = 0x40;
    pairwiseOverrun[7] = 0x00;
    EXPECT_FALSE(ie::rsn(element(48, pairwiseOverrun)));

    EXPECT_FALSE(ie::rsn(element(48, {0x01, 0x00, 0x00, 0x0F})));
    EXPECT_FALSE(ie::rsn(element(48, {})));
    Bytes wrongVersion = rsnBody({2});
    wrongVersion[0] = 2;
    EXPECT_FALSE(ie::rsn(element(48, wrongVersion)));
}

TEST(InformationElements, WpaElementIsFoundAmongOtherVendorElements) {
    const Bytes microsoftWmm = element(221, {0x00, 0x50, 0xF2, 0x02, 0x01, 0x01});
    const Bytes truncatedVendor = element(221, {0x00, 0x50});
    const auto info = ie::wpa(join({truncatedVendor, microsoftWmm, element(221, wpaBody(1))}));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->akmSuites, Bytes{1});
}

TEST(InformationElements, SecurityModesOfCommonNetworks) {
    EXPECT_EQ(ie::securityModes(element(48, rsnBody({2, 8}, 0x0080)), 0x0011),
              (ie::SecurityModes{.wpa3Personal = true, .wpa2Personal = true}));
    EXPECT_EQ(ie::securityModes(element(48, rsnBody({5}, 0x00C0)), 0x0011),
              (ie::SecurityModes{.wpa3Enterprise = true, .wpa2Enterprise = true}));
    EXPECT_TRUE(ie::securityModes(element(48, rsnBody({12})), 0x0011).wpa3Enterprise);
    EXPECT_EQ(ie::securityModes(join({element(48, rsnBody({2})), element(221, wpaBody(2))}), 0x0011),
              (ie::SecurityModes{.wpa2Personal = true, .wpaPersonal = true}));
    EXPECT_EQ(ie::securityModes({}, 0x0011), ie::SecurityModes{.wep = true});
    EXPECT_EQ(ie::securityModes({}, 0x0001), ie::SecurityModes{.none = true});
}

TEST(InformationElements, MalformedRsnIsNeitherWepNorOpen) {
    Bytes broken = rsnBody({2});
    broken[12] = 9;
    EXPECT_EQ(ie::securityModes(element(48, broken), 0x0011), ie::SecurityModes{});
}

TEST(InformationElements, OperatingWidthFromHtVhtHeAndEht) {
    const Bytes ht40 = element(61, {36, 0x05, 0, 0, 0, 0});
    const Bytes ht20 = element(61, {36, 0x00});
    EXPECT_EQ(ie::operatingWidth(ht40), ie::OperatingWidth::mhz40);
    EXPECT_EQ(ie::operatingWidth(ht20), ie::OperatingWidth::mhz20);
    EXPECT_FALSE(ie::operatingWidth(element(61, {36})));

    EXPECT_EQ(ie::operatingWidth(join({ht40, element(192, {0, 0, 0, 0, 0})})), ie::OperatingWidth::mhz40);
    EXPECT_EQ(ie::operatingWidth(join({ht40, element(192, {1, 42, 0, 0, 0})})), ie::OperatingWidth::mhz80);
    EXPECT_EQ(ie::operatingWidth(join({ht40, element(192, {1, 42, 50, 0, 0})})), ie::OperatingWidth::mhz160);
    EXPECT_EQ(ie::operatingWidth(join({ht40, element(192, {1, 42, 155, 0, 0})})),
              ie::OperatingWidth::mhz80Plus80);
    EXPECT_EQ(ie::operatingWidth(join({ht40, element(192, {2, 50, 0})})), ie::OperatingWidth::mhz160);
    // Cut short: the VHT element says nothing and HT answers.
    EXPECT_EQ(ie::operatingWidth(join({ht40, element(192, {1, 42})})), ie::OperatingWidth::mhz40);

    // HE with VHT info and co-hosted indicator before the 6 GHz part; control says 160.
    const Bytes he6 = element(255, {36, 0x00, 0xC0, 0x02, 0x00, 0x00, 0x00, 1, 2, 3, 4, 37, 0x03, 47, 31, 6});
    EXPECT_EQ(ie::operatingWidth(join({ht20, he6})), ie::OperatingWidth::mhz160);
    const Bytes heShort = element(255, {36, 0x00, 0xC0, 0x02, 0x00, 0x00, 0x00, 1, 2, 3, 4, 37});
    EXPECT_EQ(ie::operatingWidth(join({ht20, heShort})), ie::OperatingWidth::mhz20);

    const Bytes eht320 = element(255, {106, 0x01, 0, 0, 0, 0, 0x04, 31, 63});
    EXPECT_EQ(ie::operatingWidth(join({ht40, eht320})), ie::OperatingWidth::mhz320);
    const Bytes ehtWithoutInfo = element(255, {106, 0x00, 0, 0, 0, 0});
    EXPECT_EQ(ie::operatingWidth(join({ht40, ehtWithoutInfo})), ie::OperatingWidth::mhz40);
}

TEST(InformationElements, EveryTruncationOfARealBeaconStaysInBounds) {
    const Bytes beacon =
        join({element(0, {'H', 'o', 'm', 'e'}), element(61, {36, 0x05, 0, 0, 0, 0}),
              element(48, rsnBody({2, 8}, 0x0080)), element(192, {1, 42, 50, 0, 0}),
              element(255, {36, 0x00, 0x00, 0x02, 0, 0, 0, 37, 0x02, 39, 0, 6}), element(221, wpaBody(2))});
    for (std::size_t length = 0; length <= beacon.size(); ++length) {
        // Copy so AddressSanitizer sees the exact end of the buffer.
        const Bytes cut(beacon.begin(), beacon.begin() + static_cast<std::ptrdiff_t>(length));
        (void)ie::securityModes(cut, 0x0011);
        (void)ie::operatingWidth(cut);
        (void)ie::ssid(cut);
    }
    EXPECT_EQ(ie::operatingWidth(beacon), ie::OperatingWidth::mhz80);
    EXPECT_TRUE(ie::securityModes(beacon, 0x0011).wpa3Personal);
}

} // namespace
