#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Plain values decoded from nl80211 replies, and the decoders. Each decoder takes the attribute
// area of one generic-netlink message (the bytes after the generic-netlink header) and never reads
// past it; a reply missing what identifies it decodes to nothing.
namespace nl80211 {

using MacAddress = std::array<std::uint8_t, 6>;

struct InterfaceInfo {
    std::uint32_t index = 0;
    std::string name;
    // NL80211_IFTYPE_* (2 = station).
    std::uint32_t type = 0;
    std::optional<std::uint32_t> wiphy;
    std::optional<MacAddress> address;
    // Raw network name of the current connection, when there is one.
    std::optional<std::vector<std::uint8_t>> ssid;
    std::optional<std::uint32_t> frequency;
    // NL80211_CHAN_WIDTH_*.
    std::optional<std::uint32_t> channelWidth;

    bool operator==(const InterfaceInfo&) const = default;
};

struct ScanResult {
    MacAddress bssid{};
    std::uint32_t frequency = 0;
    std::optional<std::int32_t> signalMbm;
    std::uint16_t capability = 0;
    // NL80211_BSS_STATUS_* (1 = associated).
    std::optional<std::uint32_t> status;
    std::optional<std::uint32_t> seenMsAgo;
    // Probe-response elements, else beacon elements.
    std::vector<std::uint8_t> informationElements;

    bool operator==(const ScanResult&) const = default;
};

struct RateInfo {
    // Units of 100 kbit/s.
    std::optional<std::uint32_t> bitrate;
    bool ht = false;
    bool vht = false;
    bool he = false;
    bool eht = false;

    bool operator==(const RateInfo&) const = default;
};

struct StationInfo {
    MacAddress address{};
    // dBm.
    std::optional<int> signal;
    std::optional<RateInfo> txRate;
    std::optional<RateInfo> rxRate;

    bool operator==(const StationInfo&) const = default;
};

struct SurveyEntry {
    std::uint32_t frequency = 0;
    bool inUse = false;
    // dBm.
    std::optional<int> noise;

    bool operator==(const SurveyEntry&) const = default;
};

inline constexpr std::uint32_t interfaceTypeStation = 2;
inline constexpr std::uint32_t bssStatusAssociated = 1;

// One netlink attribute: its type without the nested/byte-order flags, and its payload.
struct Attribute {
    std::uint16_t type = 0;
    std::span<const std::uint8_t> payload;
};

// Walks attributes in order; stops at the first malformed header or length.
std::vector<Attribute> attributes(std::span<const std::uint8_t> bytes);

std::optional<InterfaceInfo> decodeInterface(std::span<const std::uint8_t> attributeBytes);
std::optional<ScanResult> decodeScanResult(std::span<const std::uint8_t> attributeBytes);
std::optional<StationInfo> decodeStation(std::span<const std::uint8_t> attributeBytes);
std::optional<SurveyEntry> decodeSurvey(std::span<const std::uint8_t> attributeBytes);

} // namespace nl80211
