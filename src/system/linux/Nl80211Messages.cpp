#include "system/linux/Nl80211Messages.h"

#include <linux/nl80211.h>

#include <algorithm>
#include <cstring>

namespace nl80211 {
namespace {

constexpr std::size_t kHeaderSize = 4;
constexpr std::uint16_t kTypeMask = 0x3FFF; // strips the nested and byte-order flags

constexpr std::size_t aligned(std::size_t length) {
    return (length + 3) & ~std::size_t{3};
}

std::optional<std::span<const std::uint8_t>> find(const std::vector<Attribute>& list, std::uint16_t type) {
    for (const Attribute& attribute : list)
        if (attribute.type == type)
            return attribute.payload;
    return std::nullopt;
}

// Netlink carries numbers in host byte order.
template <typename T> std::optional<T> number(const std::vector<Attribute>& list, std::uint16_t type) {
    const auto payload = find(list, type);
    if (!payload || payload->size() < sizeof(T))
        return std::nullopt;
    T value;
    std::memcpy(&value, payload->data(), sizeof(T));
    return value;
}

bool flag(const std::vector<Attribute>& list, std::uint16_t type) {
    return find(list, type).has_value();
}

std::optional<MacAddress> mac(const std::vector<Attribute>& list, std::uint16_t type) {
    const auto payload = find(list, type);
    if (!payload || payload->size() != 6)
        return std::nullopt;
    MacAddress address;
    std::copy(payload->begin(), payload->end(), address.begin());
    return address;
}

std::vector<Attribute> nested(const std::vector<Attribute>& list, std::uint16_t type) {
    const auto payload = find(list, type);
    return payload ? attributes(*payload) : std::vector<Attribute>{};
}

std::optional<RateInfo> decodeRate(const std::vector<Attribute>& parent, std::uint16_t type) {
    if (!find(parent, type))
        return std::nullopt;
    const auto list = nested(parent, type);
    RateInfo rate;
    rate.bitrate = number<std::uint32_t>(list, NL80211_RATE_INFO_BITRATE32);
    if (!rate.bitrate) {
        if (const auto legacy = number<std::uint16_t>(list, NL80211_RATE_INFO_BITRATE))
            rate.bitrate = *legacy;
    }
    rate.ht = flag(list, NL80211_RATE_INFO_MCS);
    rate.vht = flag(list, NL80211_RATE_INFO_VHT_MCS);
    rate.he = flag(list, NL80211_RATE_INFO_HE_MCS);
    rate.eht = flag(list, NL80211_RATE_INFO_EHT_MCS);
    return rate;
}

std::optional<int> signedByte(const std::vector<Attribute>& list, std::uint16_t type) {
    const auto value = number<std::int8_t>(list, type);
    if (!value)
        return std::nullopt;
    return int{*value};
}

} // namespace

std::vector<Attribute> attributes(std::span<const std::uint8_t> bytes) {
    std::vector<Attribute> result;
    std::size_t offset = 0;
    while (bytes.size() - offset >= kHeaderSize) {
        std::uint16_t length;
        std::uint16_t type;
        std::memcpy(&length, bytes.data() + offset, 2);
        std::memcpy(&type, bytes.data() + offset + 2, 2);
        if (length < kHeaderSize || length > bytes.size() - offset)
            break;
        result.push_back({static_cast<std::uint16_t>(type & kTypeMask),
                          bytes.subspan(offset + kHeaderSize, length - kHeaderSize)});
        // The last attribute may omit its padding.
        offset += std::min(aligned(length), bytes.size() - offset);
    }
    return result;
}

std::optional<InterfaceInfo> decodeInterface(std::span<const std::uint8_t> attributeBytes) {
    const auto list = attributes(attributeBytes);
    const auto index = number<std::uint32_t>(list, NL80211_ATTR_IFINDEX);
    if (!index)
        return std::nullopt;
    InterfaceInfo info;
    info.index = *index;
    if (const auto name = find(list, NL80211_ATTR_IFNAME)) {
        const auto end = std::find(name->begin(), name->end(), std::uint8_t{0});
        info.name.assign(name->begin(), end);
    }
    info.type = number<std::uint32_t>(list, NL80211_ATTR_IFTYPE).value_or(0);
    info.wiphy = number<std::uint32_t>(list, NL80211_ATTR_WIPHY);
    info.address = mac(list, NL80211_ATTR_MAC);
    if (const auto ssid = find(list, NL80211_ATTR_SSID))
        info.ssid = std::vector<std::uint8_t>(ssid->begin(), ssid->end());
    info.frequency = number<std::uint32_t>(list, NL80211_ATTR_WIPHY_FREQ);
    info.channelWidth = number<std::uint32_t>(list, NL80211_ATTR_CHANNEL_WIDTH);
    return info;
}

std::optional<ScanResult> decodeScanResult(std::span<const std::uint8_t> attributeBytes) {
    const auto bss = nested(attributes(attributeBytes), NL80211_ATTR_BSS);
    const auto bssid = mac(bss, NL80211_BSS_BSSID);
    const auto frequency = number<std::uint32_t>(bss, NL80211_BSS_FREQUENCY);
    if (!bssid || !frequency)
        return std::nullopt;
    ScanResult result;
    result.bssid = *bssid;
    result.frequency = *frequency;
    result.signalMbm = number<std::int32_t>(bss, NL80211_BSS_SIGNAL_MBM);
    result.capability = number<std::uint16_t>(bss, NL80211_BSS_CAPABILITY).value_or(0);
    result.status = number<std::uint32_t>(bss, NL80211_BSS_STATUS);
    result.seenMsAgo = number<std::uint32_t>(bss, NL80211_BSS_SEEN_MS_AGO);
    auto elements = find(bss, NL80211_BSS_INFORMATION_ELEMENTS);
    if (!elements || elements->empty())
        elements = find(bss, NL80211_BSS_BEACON_IES);
    if (elements)
        result.informationElements.assign(elements->begin(), elements->end());
    return result;
}

std::optional<StationInfo> decodeStation(std::span<const std::uint8_t> attributeBytes) {
    const auto list = attributes(attributeBytes);
    const auto address = mac(list, NL80211_ATTR_MAC);
    if (!address)
        return std::nullopt;
    const auto info = nested(list, NL80211_ATTR_STA_INFO);
    StationInfo station;
    station.address = *address;
    station.signal = signedByte(info, NL80211_STA_INFO_SIGNAL);
    station.txRate = decodeRate(info, NL80211_STA_INFO_TX_BITRATE);
    station.rxRate = decodeRate(info, NL80211_STA_INFO_RX_BITRATE);
    return station;
}

std::optional<SurveyEntry> decodeSurvey(std::span<const std::uint8_t> attributeBytes) {
    const auto info = nested(attributes(attributeBytes), NL80211_ATTR_SURVEY_INFO);
    const auto frequency = number<std::uint32_t>(info, NL80211_SURVEY_INFO_FREQUENCY);
    if (!frequency)
        return std::nullopt;
    SurveyEntry entry;
    entry.frequency = *frequency;
    entry.inUse = flag(info, NL80211_SURVEY_INFO_IN_USE);
    entry.noise = signedByte(info, NL80211_SURVEY_INFO_NOISE);
    return entry;
}

} // namespace nl80211
