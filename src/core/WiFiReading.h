#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

// Codes a wireless-interface reading carries. They follow the numbering of the platform codes the
// link tables are written against, so every platform reader maps onto the same tables.
namespace wifi_codes {
// Channel band.
inline constexpr int band2GHz = 1;
inline constexpr int band5GHz = 2;
inline constexpr int band6GHz = 3;

// Channel width.
inline constexpr int widthUnknown = 0;
inline constexpr int width20MHz = 1;
inline constexpr int width40MHz = 2;
inline constexpr int width80MHz = 3;
inline constexpr int width160MHz = 4;

// Radio standard.
inline constexpr int phyNone = 0;
inline constexpr int phy11a = 1;
inline constexpr int phy11b = 2;
inline constexpr int phy11g = 3;
inline constexpr int phy11n = 4;
inline constexpr int phy11ac = 5;
inline constexpr int phy11ax = 6;
// 802.11be: the next platform code; it has no display text of its own and shows as "Unknown".
inline constexpr int phy11be = 7;

// Security mode.
inline constexpr std::int64_t securityNone = 0;
inline constexpr std::int64_t securityWEP = 1;
inline constexpr std::int64_t securityWPAPersonal = 2;
inline constexpr std::int64_t securityWPAPersonalMixed = 3;
inline constexpr std::int64_t securityWPA2Personal = 4;
inline constexpr std::int64_t securityPersonal = 5;
inline constexpr std::int64_t securityDynamicWEP = 6;
inline constexpr std::int64_t securityWPAEnterprise = 7;
inline constexpr std::int64_t securityWPAEnterpriseMixed = 8;
inline constexpr std::int64_t securityWPA2Enterprise = 9;
inline constexpr std::int64_t securityEnterprise = 10;
inline constexpr std::int64_t securityWPA3Personal = 11;
inline constexpr std::int64_t securityWPA3Enterprise = 12;
inline constexpr std::int64_t securityWPA3Transition = 13;
inline constexpr std::int64_t securityOWE = 14;
inline constexpr std::int64_t securityOWETransition = 15;
inline constexpr std::int64_t securityUnknown = std::numeric_limits<std::int64_t>::max();
} // namespace wifi_codes

struct WiFiChannelReading {
    int channelNumber = 0;
    int channelBand = 0;
    int channelWidth = wifi_codes::widthUnknown;

    bool operator==(const WiFiChannelReading&) const = default;
};

// One reading of a present wireless interface, with the codes above.
struct WiFiReading {
    bool powerOn = false;
    // dBm; 0 means no signal (not associated).
    int rssiValue = 0;
    std::optional<std::string> ssid;
    std::optional<std::string> bssid;
    std::optional<WiFiChannelReading> channel;
    // Many drivers report no noise floor.
    std::optional<int> noiseMeasurement;
    // Mbps.
    double transmitRate = 0.0;
    int activePHYMode = wifi_codes::phyNone;
    std::int64_t security = wifi_codes::securityUnknown;

    bool operator==(const WiFiReading&) const = default;
};
