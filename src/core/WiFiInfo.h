#pragma once

#include "core/RuleText.h"

#include <optional>
#include <string>
#include <string_view>

enum class WiFiBand { band2_4GHz, band5GHz, band6GHz, unknown };

// Display text of the band, also used in reports.
std::string_view rawValue(WiFiBand band);
// Exactly the four display texts build a band; any other spelling builds nothing.
std::optional<WiFiBand> wifiBandFromRawValue(std::string_view text);

// The SSID of a link whose name the platform withholds.
inline constexpr std::string_view unknownNetworkSSID = QT_TRANSLATE_NOOP("WiFiInfo", "Unknown Network");

// Snapshot of the current wireless link.
struct WiFiInfo {
    std::string ssid;
    std::optional<std::string> bssid;
    int rssi = 0;
    // Many drivers do not report a noise floor; absent means "not measured".
    std::optional<int> noise;
    int channel = 0;
    WiFiBand band = WiFiBand::unknown;
    int channelWidth = 20;
    double transmitRate = 0.0;
    std::string phyMode;
    std::string securityType;

    bool operator==(const WiFiInfo&) const = default;
};
