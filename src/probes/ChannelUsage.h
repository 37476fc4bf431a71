#pragma once

#include "core/WiFiInfo.h"
#include "probes/ScannedNetwork.h"

#include <string>
#include <vector>

// How crowded one channel is.
struct ChannelUsage {
    std::string id;
    int channel = 0;
    WiFiBand band = WiFiBand::band2_4GHz;
    // Networks counted here, strongest first.
    std::vector<ScannedNetwork> networks;
    // Strongest counted signal in dBm; -100 when nothing is counted.
    int maxRSSI = -100;

    bool operator==(const ChannelUsage&) const = default;
};
