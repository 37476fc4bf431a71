#include "views/ScanDisplayRules.h"

#include <algorithm>
#include <chrono>

Tone rssiTone(int rssi) {
    if (rssi >= -50)
        return Tone::green;
    if (rssi >= -60)
        return Tone::yellow;
    if (rssi >= -70)
        return Tone::orange;
    return Tone::red;
}

bool isBestScore(int score) {
    return score >= 90;
}

std::optional<std::string> snrText(const ScannedNetwork& network) {
    if (!network.noise)
        return std::nullopt;
    return "SNR " + std::to_string(network.rssi - *network.noise);
}

std::vector<std::optional<WiFiBand>> bandFilterChoices(const std::vector<ScannedNetwork>& networks) {
    std::vector<std::optional<WiFiBand>> choices{std::nullopt, WiFiBand::band2_4GHz, WiFiBand::band5GHz};
    if (std::any_of(networks.begin(), networks.end(),
                    [](const ScannedNetwork& n) { return n.band == WiFiBand::band6GHz; }))
        choices.emplace_back(WiFiBand::band6GHz);
    return choices;
}

std::string bandFilterTitle(std::optional<WiFiBand> band) {
    return band ? std::string(rawValue(*band)) : std::string("All");
}

std::vector<ScannedNetwork> networksOnBand(const std::vector<ScannedNetwork>& networks,
                                           std::optional<WiFiBand> band) {
    std::vector<ScannedNetwork> result;
    std::copy_if(networks.begin(), networks.end(), std::back_inserter(result),
                 [band](const ScannedNetwork& n) { return !band || n.band == *band; });
    return result;
}

std::string_view interfaceSymbolName(std::string_view displayName) {
    if (displayName == "Wi-Fi")
        return "wifi";
    if (displayName == "Ethernet" || displayName == "Ethernet 2" || displayName == "Network")
        return "cable.connector";
    if (displayName == "VPN" || displayName == "VPN Tunnel")
        return "lock.shield";
    if (displayName == "Cellular")
        return "antenna.radiowaves.left.and.right";
    return "network";
}
