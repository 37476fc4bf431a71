#include "system/linux/Nl80211Messages.h"

#include <linux/nl80211.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds netlink attributes the way the kernel lays them out: header, payload, padding to 4.
class Attributes {
public:
    Attributes& raw(std::uint16_t type, const Bytes& payload) {
        const auto length = static_cast<std::uint16_t>(4 + payload.size());
        append(&length, 2);
        append(&type, 2);
        m_bytes.insert(m_bytes.end(), payload.begin(), payload.end());
        m_bytes.resize((m_bytes.size() + 3) & ~std::size_t{3}, 0);
        return *this;
    }
    template <typename T> Attributes& number(std::uint16_t type, T value) {
        Bytes payload(sizeof(T));
        std::memcpy(payload.data(), &value, sizeof(T));
        return raw(type, payload);
    }
    Attributes& flag(std::uint16_t type) { return raw(type, {}); }
    Attributes& nested(std::uint16_t type, const Attributes& inner) {
        return raw(static_cast<std::uint16_t>(type | 0x8000), inner.bytes());
    }
    const Bytes& bytes() const { return m_bytes; }

private:
    void append(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + size);
    }
    Bytes m_bytes;
};

const Bytes kBssid{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};

Attributes scanMessage() {
    Attributes bss;
    bss.raw(NL80211_BSS_BSSID, kBssid)
        .number<std::uint32_t>(NL80211_BSS_FREQUENCY, 5180)
        .number<std::uint16_t>(NL80211_BSS_CAPABILITY, 0x0411)
        .number<std::int32_t>(NL80211_BSS_SIGNAL_MBM, -5400)
        .number<std::uint32_t>(NL80211_BSS_STATUS, NL80211_BSS_STATUS_ASSOCIATED)
        .number<std::uint32_t>(NL80211_BSS_SEEN_MS_AGO, 1200)
        .raw(NL80211_BSS_BEACON_IES, {0, 1, 'b'})
        .raw(NL80211_BSS_INFORMATION_ELEMENTS, {0, 1, 'p'});
    Attributes message;
    message.number<std::uint32_t>(NL80211_ATTR_IFINDEX, 3).nested(NL80211_ATTR_BSS, bss);
    return message;
}

TEST(Nl80211Messages, DecodesScanResult) {
    const auto result = nl80211::decodeScanResult(scanMessage().bytes());
    ASSERT_TRUE(result);
    EXPECT_EQ(Bytes(result->bssid.begin(), result->bssid.end()), kBssid);
    EXPECT_EQ(result->frequency, 5180u);
    EXPECT_EQ(result->capability, 0x0411);
    EXPECT_EQ(result->signalMbm, -5400);
    EXPECT_EQ(result->status, 1u);
    EXPECT_EQ(result->seenMsAgo, 1200u);
    EXPECT_EQ(result->informationElements, (Bytes{0, 1, 'p'}));
}

TEST(Nl80211Messages, ScanResultFallsBackToBeaconElementsAndNeedsIdentity) {
    Attributes bss;
    bss.raw(NL80211_BSS_BSSID, kBssid)
        .number<std::uint32_t>(NL80211_BSS_FREQUENCY, 2412)
        .raw(NL80211_BSS_BEACON_IES, {0, 1, 'b'});
    const auto result = nl80211::decodeScanResult(Attributes().nested(NL80211_ATTR_BSS, bss).bytes());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->informationElements, (Bytes{0, 1, 'b'}));
    EXPECT_FALSE(result->status);
    EXPECT_FALSE(result->signalMbm);

    Attributes shortBssid;
    shortBssid.raw(NL80211_BSS_BSSID, {1, 2, 3}).number<std::uint32_t>(NL80211_BSS_FREQUENCY, 2412);
    EXPECT_FALSE(nl80211::decodeScanResult(Attributes().nested(NL80211_ATTR_BSS, shortBssid).bytes()));
    EXPECT_FALSE(
        nl80211::decodeScanResult(Attributes().number<std::uint32_t>(NL80211_ATTR_IFINDEX, 3).bytes()));
}

TEST(Nl80211Messages, TruncatedBuffersNeverReadPastTheEnd) {
    const Bytes full = scanMessage().bytes();
    for (std::size_t length = 0; length < full.size(); ++length) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        const auto result = nl80211::decodeScanResult(cut);
        if (result) { // only whole attributes are ever used
            EXPECT_EQ(result->frequency, 5180u);
        }
    }
    Bytes lying = scanMessage().bytes();
    lying[0] = 0xFF; // the first attribute claims 255 bytes
    lying[1] = 0x00;
    EXPECT_TRUE(nl80211::attributes(lying).empty());
    EXPECT_TRUE(nl80211::attributes(Bytes{2, 0, 1, 0}).empty()); // length below the header
}

TEST(Nl80211Messages, DecodesStationRatesAndSignedSignal) {
    Attributes tx;
    tx.number<std::uint16_t>(NL80211_RATE_INFO_BITRATE, 1000)
        .number<std::uint32_t>(NL80211_RATE_INFO_BITRATE32, 12010)
        .number<std::uint8_t>(NL80211_RATE_INFO_HE_MCS, 11);
    Attributes rx;
    rx.number<std::uint16_t>(NL80211_RATE_INFO_BITRATE, 60);
    Attributes info;
    info.number<std::uint8_t>(NL80211_STA_INFO_SIGNAL, static_cast<std::uint8_t>(-61))
        .nested(NL80211_STA_INFO_TX_BITRATE, tx)
        .nested(NL80211_STA_INFO_RX_BITRATE, rx);
    Attributes message;
    message.raw(NL80211_ATTR_MAC, kBssid).nested(NL80211_ATTR_STA_INFO, info);

    const auto station = nl80211::decodeStation(message.bytes());
    ASSERT_TRUE(station);
    EXPECT_EQ(station->signal, -61);
    ASSERT_TRUE(station->txRate);
    EXPECT_EQ(station->txRate->bitrate, 12010u);
    EXPECT_TRUE(station->txRate->he);
    EXPECT_FALSE(station->txRate->vht);
    ASSERT_TRUE(station->rxRate);
    EXPECT_EQ(station->rxRate->bitrate, 60u);
    EXPECT_FALSE(station->rxRate->ht);
}

TEST(Nl80211Messages, DecodesSurveyAndInterface) {
    Attributes survey;
    survey.number<std::uint32_t>(NL80211_SURVEY_INFO_FREQUENCY, 5180)
        .number<std::uint8_t>(NL80211_SURVEY_INFO_NOISE, static_cast<std::uint8_t>(-95))
        .flag(NL80211_SURVEY_INFO_IN_USE);
    const auto entry = nl80211::decodeSurvey(Attributes().nested(NL80211_ATTR_SURVEY_INFO, survey).bytes());
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->frequency, 5180u);
    EXPECT_TRUE(entry->inUse);
    EXPECT_EQ(entry->noise, -95);

    Attributes iface;
    iface.number<std::uint32_t>(NL80211_ATTR_IFINDEX, 4)
        .raw(NL80211_ATTR_IFNAME, {'w', 'l', 'p', '2', 's', '0', 0})
        .number<std::uint32_t>(NL80211_ATTR_IFTYPE, NL80211_IFTYPE_STATION)
        .raw(NL80211_ATTR_SSID, {'H', 'o', 'm', 'e'})
        .number<std::uint32_t>(NL80211_ATTR_WIPHY_FREQ, 5955)
        .number<std::uint32_t>(NL80211_ATTR_CHANNEL_WIDTH, NL80211_CHAN_WIDTH_320);
    const auto info = nl80211::decodeInterface(iface.bytes());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->index, 4u);
    EXPECT_EQ(info->name, "wlp2s0");
    EXPECT_EQ(info->type, nl80211::interfaceTypeStation);
    EXPECT_EQ(info->ssid, (Bytes{'H', 'o', 'm', 'e'}));
    EXPECT_EQ(info->frequency, 5955u);
    EXPECT_EQ(info->channelWidth, std::uint32_t{NL80211_CHAN_WIDTH_320});

    // A P2P device has no interface index and is not an interface we can read.
    EXPECT_FALSE(
        nl80211::decodeInterface(Attributes().number<std::uint32_t>(NL80211_ATTR_IFTYPE, 10).bytes()));
}

} // namespace
