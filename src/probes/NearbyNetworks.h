#pragma once

#include "platform/WiFiScanner.h"
#include "probes/ChannelRecommendation.h"
#include "probes/ChannelUsage.h"
#include "probes/ScannedNetwork.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Turning scan results into the nearby-network list, channel occupancy and channel advice.
namespace nearby {

inline constexpr std::array<int, 25> kChannels5GHz{36,  40,  44,  48,  52,  56,  60,  64,  100,
                                                   104, 108, 112, 116, 120, 124, 128, 132, 136,
                                                   140, 144, 149, 153, 157, 161, 165};

// The first supported mode in order of strength, WPA3 first.
WiFiSecurity securityFor(const std::set<std::int64_t>& supportedSecurity);
ScannedNetwork makeScannedNetwork(const ScannedAccessPoint& accessPoint,
                                  const std::optional<std::string>& currentBSSID);

// Strongest first; equal signals keep their order.
std::vector<ScannedNetwork> sortedStrongestFirst(std::vector<ScannedNetwork> networks);

// Channels 1-14, and the 5 GHz channels above, with nothing counted.
std::vector<ChannelUsage> emptyChannelUsage2GHz();
std::vector<ChannelUsage> emptyChannelUsage5GHz();

struct ChannelOccupancy {
    std::vector<ChannelUsage> usage2GHz;
    std::vector<ChannelUsage> usage5GHz;
};

// Counts each network on the channels it overlaps: 2.4 GHz networks spread over their neighbours
// by width, 5 GHz networks count on their own channel, other bands are not counted.
ChannelOccupancy analyseChannels(const std::vector<ScannedNetwork>& networks);

// Rates channels 1, 6, 11, 36-48 and 149-165, best first; equal scores keep that order.
std::vector<ChannelRecommendation> recommendChannels(const std::vector<ChannelUsage>& usage2GHz,
                                                     const std::vector<ChannelUsage>& usage5GHz);

} // namespace nearby
