#pragma once

#include "core/WiFiCodes.h"

#include <cstdint>
#include <optional>
#include <string>

struct WiFiChannelReading {
    int channelNumber = 0;
    int channelBand = 0;
    int channelWidth = wifi_codes::widthUnknown;

    bool operator==(const WiFiChannelReading&) const = default;
};

// One reading of a present wireless interface, in the codes of WiFiCodes.h.
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
