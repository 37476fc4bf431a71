#pragma once

#include "core/Tone.h"
#include "core/WiFiInfo.h"
#include "probes/ScannedNetwork.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The display rules of the scan, channel and network-information panels, kept apart from the widgets
// so they can be checked directly.

// Signal of a nearby network: green at -50 dBm and above, yellow down to -60, orange down to -70,
// red below.
Tone rssiTone(int rssi);
// A recommendation this good is marked "Best".
bool isBestScore(int score);
// "SNR 35" for a network with a noise reading; nothing when the driver gave none.
std::optional<std::string> snrText(const ScannedNetwork& network);

// The bands the list can be narrowed to; none stands for every band. 6 GHz is offered only when the
// scan saw a network there.
std::vector<std::optional<WiFiBand>> bandFilterChoices(const std::vector<ScannedNetwork>& networks);
std::string bandFilterTitle(std::optional<WiFiBand> band);
// The networks on `band` (all of them without one), in their published order.
std::vector<ScannedNetwork> networksOnBand(const std::vector<ScannedNetwork>& networks,
                                           std::optional<WiFiBand> band);

// The symbol of an interface by its display name.
std::string_view interfaceSymbolName(std::string_view displayName);
