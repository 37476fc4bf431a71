#pragma once

#include "core/WiFiInfo.h"
#include "probes/ChannelWidth.h"
#include "probes/WiFiSecurity.h"

#include <optional>
#include <string>

// One access point seen by a scan.
struct ScannedNetwork {
    // Fresh for every scan result.
    std::string id;
    std::string ssid;
    std::string bssid;
    int rssi = 0;
    // Absent when the driver reports no noise floor for the channel; never guessed.
    std::optional<int> noise;
    // Primary channel; 0 when unknown.
    int channel = 0;
    ChannelWidth channelWidth = ChannelWidth::twenty;
    WiFiBand band = WiFiBand::band2_4GHz;
    WiFiSecurity security = WiFiSecurity::unknown;
    bool isCurrentNetwork = false;

    bool operator==(const ScannedNetwork&) const = default;
};
