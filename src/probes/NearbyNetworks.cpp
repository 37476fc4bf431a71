#include "probes/NearbyNetworks.h"

#include "core/RuleText.h"
#include "core/Uuid.h"

#include <algorithm>
#include <utility>

namespace nearby {
namespace {

constexpr int kLowest2GHzChannel = 1;
constexpr int kHighest2GHzChannel = 14;

// Asked in this order; the first supported mode names the network's security.
constexpr std::pair<std::int64_t, WiFiSecurity> kSecurityOrder[] = {
    {wifi_codes::securityWPA3Personal, WiFiSecurity::wpa3Psk},
    {wifi_codes::securityWPA3Enterprise, WiFiSecurity::wpa3Enterprise},
    {wifi_codes::securityWPA2Personal, WiFiSecurity::wpa2Psk},
    {wifi_codes::securityWPA2Enterprise, WiFiSecurity::wpa2Enterprise},
    {wifi_codes::securityWPAPersonal, WiFiSecurity::wpaPsk},
    {wifi_codes::securityWPAEnterprise, WiFiSecurity::wpaEnterprise},
    {wifi_codes::securityDynamicWEP, WiFiSecurity::wep},
    {wifi_codes::securityNone, WiFiSecurity::open},
};

constexpr int kRecommended2GHz[] = {1, 6, 11};
constexpr int kRecommended5GHz[] = {36, 40, 44, 48, 149, 153, 157, 161, 165};

void count(ChannelUsage& usage, const ScannedNetwork& network) {
    usage.networks.push_back(network);
    usage.maxRSSI = std::max(usage.maxRSSI, network.rssi);
}

int spreadFor(ChannelWidth width) {
    return width == ChannelWidth::twenty ? 2 : 4;
}

// Extra cost of one network on the channel, by how loud it is.
int signalPenalty(int rssi) {
    if (rssi >= -49)
        return 20;
    if (rssi >= -59)
        return 10;
    if (rssi >= -69)
        return 5;
    return 0;
}

// The reason's pattern; %1 is the number of networks on the channel.
std::string_view reasonPattern(int count, int strongest) {
    if (count == 0)
        return QT_TRANSLATE_NOOP("ChannelRecommendation", "No networks detected - optimal choice");
    if (count == 1 && strongest < -70)
        return QT_TRANSLATE_NOOP("ChannelRecommendation", "1 weak network - good choice");
    if (count <= 2 && strongest <= -61)
        return QT_TRANSLATE_NOOP("ChannelRecommendation", "%1 networks with moderate interference");
    if (count <= 3)
        return QT_TRANSLATE_NOOP("ChannelRecommendation", "%1 networks - consider other channels");
    return QT_TRANSLATE_NOOP("ChannelRecommendation", "Congested - %1 networks detected");
}

ChannelRecommendation rate(const ChannelUsage& usage) {
    const int n = static_cast<int>(usage.networks.size());
    int score = 100;
    if (n > 0) {
        score -= 15 * n;
        for (const auto& network : usage.networks)
            score -= signalPenalty(network.rssi);
        score = std::max(score, 0);
    }
    ChannelRecommendation recommendation;
    recommendation.id = makeUuid();
    recommendation.channel = usage.channel;
    recommendation.band = usage.band;
    recommendation.score = score;
    recommendation.reasonPattern = std::string(reasonPattern(n, usage.maxRSSI));
    recommendation.reasonArguments = {std::to_string(n)};
    recommendation.reason = fillIn(recommendation.reasonPattern, recommendation.reasonArguments);
    recommendation.networkCount = n;
    if (n > 0)
        recommendation.strongestInterference = usage.networks.front().rssi;
    return recommendation;
}

const ChannelUsage* find(const std::vector<ChannelUsage>& usages, int channel) {
    const auto it =
        std::find_if(usages.begin(), usages.end(), [&](const auto& u) { return u.channel == channel; });
    return it == usages.end() ? nullptr : &*it;
}

ChannelUsage* find(std::vector<ChannelUsage>& usages, int channel) {
    const auto it =
        std::find_if(usages.begin(), usages.end(), [&](const auto& u) { return u.channel == channel; });
    return it == usages.end() ? nullptr : &*it;
}

ChannelUsage emptyUsage(int channel, WiFiBand band) {
    ChannelUsage usage;
    usage.id = makeUuid();
    usage.channel = channel;
    usage.band = band;
    return usage;
}

} // namespace

WiFiSecurity securityFor(const std::set<std::int64_t>& supportedSecurity) {
    for (const auto& [code, security] : kSecurityOrder)
        if (supportedSecurity.contains(code))
            return security;
    return WiFiSecurity::unknown;
}

ScannedNetwork makeScannedNetwork(const ScannedAccessPoint& accessPoint,
                                  const std::optional<std::string>& currentBSSID) {
    ScannedNetwork network;
    network.id = makeUuid();
    network.ssid = accessPoint.ssid.value_or("(Hidden Network)");
    network.bssid = accessPoint.bssid.value_or("Unknown");
    network.rssi = accessPoint.rssi;
    network.noise = accessPoint.noise;
    if (accessPoint.channel) {
        network.channel = accessPoint.channel->number;
        network.channelWidth = channelWidthFromRawValue(channelWidthFromCode(accessPoint.channel->widthCode))
                                   .value_or(ChannelWidth::twenty);
        network.band = bandFromCode(accessPoint.channel->bandCode);
    } else {
        network.channel = 0;
        network.channelWidth = ChannelWidth::twenty;
        network.band = WiFiBand::band2_4GHz;
    }
    network.security = securityFor(accessPoint.supportedSecurity);
    network.isCurrentNetwork = currentBSSID.has_value() && *currentBSSID == network.bssid;
    return network;
}

std::vector<ScannedNetwork> sortedStrongestFirst(std::vector<ScannedNetwork> networks) {
    std::stable_sort(networks.begin(), networks.end(),
                     [](const auto& a, const auto& b) { return a.rssi > b.rssi; });
    return networks;
}

std::vector<ChannelUsage> emptyChannelUsage2GHz() {
    std::vector<ChannelUsage> usages;
    for (int channel = kLowest2GHzChannel; channel <= kHighest2GHzChannel; ++channel)
        usages.push_back(emptyUsage(channel, WiFiBand::band2_4GHz));
    return usages;
}

std::vector<ChannelUsage> emptyChannelUsage5GHz() {
    std::vector<ChannelUsage> usages;
    for (const int channel : kChannels5GHz)
        usages.push_back(emptyUsage(channel, WiFiBand::band5GHz));
    return usages;
}

ChannelOccupancy analyseChannels(const std::vector<ScannedNetwork>& networks) {
    ChannelOccupancy occupancy{emptyChannelUsage2GHz(), emptyChannelUsage5GHz()};
    for (const auto& network : networks) {
        if (network.band == WiFiBand::band2_4GHz) {
            const int spread = spreadFor(network.channelWidth);
            // Channels are compared as longs so that absurd channel numbers cannot overflow.
            const long first = std::max<long>(kLowest2GHzChannel, long(network.channel) - spread);
            const long last = std::min<long>(kHighest2GHzChannel, long(network.channel) + spread);
            for (long channel = first; channel <= last; ++channel)
                if (auto* usage = find(occupancy.usage2GHz, int(channel)))
                    count(*usage, network);
        } else if (network.band == WiFiBand::band5GHz) {
            if (auto* usage = find(occupancy.usage5GHz, network.channel))
                count(*usage, network);
        }
    }
    return occupancy;
}

std::vector<ChannelRecommendation> recommendChannels(const std::vector<ChannelUsage>& usage2GHz,
                                                     const std::vector<ChannelUsage>& usage5GHz) {
    std::vector<ChannelRecommendation> recommendations;
    for (const int channel : kRecommended2GHz)
        if (const auto* usage = find(usage2GHz, channel))
            recommendations.push_back(rate(*usage));
    for (const int channel : kRecommended5GHz)
        if (const auto* usage = find(usage5GHz, channel))
            recommendations.push_back(rate(*usage));
    std::stable_sort(recommendations.begin(), recommendations.end(),
                     [](const auto& a, const auto& b) { return a.score > b.score; });
    return recommendations;
}

} // namespace nearby
