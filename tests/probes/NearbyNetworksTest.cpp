#include "probes/NearbyNetworks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace nearby;

ScannedNetwork network(int channel, int rssi, WiFiBand band = WiFiBand::band2_4GHz,
                       ChannelWidth width = ChannelWidth::twenty, std::string ssid = "net") {
    ScannedNetwork result;
    result.ssid = std::move(ssid);
    result.channel = channel;
    result.rssi = rssi;
    result.band = band;
    result.channelWidth = width;
    return result;
}

std::vector<int> countedChannels(const std::vector<ChannelUsage>& usages) {
    std::vector<int> channels;
    for (const auto& usage : usages)
        if (!usage.networks.empty())
            channels.push_back(usage.channel);
    return channels;
}

std::vector<ChannelRecommendation> recommend(const std::vector<ScannedNetwork>& networks) {
    const auto occupancy = analyseChannels(sortedStrongestFirst(networks));
    return recommendChannels(occupancy.usage2GHz, occupancy.usage5GHz);
}

const ChannelRecommendation& candidate(const std::vector<ChannelRecommendation>& list, int channel) {
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const auto& r) { return r.channel == channel; });
    EXPECT_NE(it, list.end()) << channel;
    return *it;
}

TEST(ScanConversion, FallbacksAndMappingsOfOneAccessPoint) {
    ScannedAccessPoint bare;
    bare.rssi = -60;
    const ScannedNetwork hidden = makeScannedNetwork(bare, std::nullopt);
    EXPECT_EQ(hidden.ssid, "(Hidden Network)");
    EXPECT_EQ(hidden.bssid, "Unknown");
    EXPECT_EQ(hidden.channel, 0);
    EXPECT_EQ(hidden.channelWidth, ChannelWidth::twenty);
    EXPECT_EQ(hidden.band, WiFiBand::band2_4GHz);
    EXPECT_EQ(hidden.security, WiFiSecurity::unknown);
    EXPECT_FALSE(hidden.isCurrentNetwork);
    EXPECT_EQ(hidden.id.size(), 36u);
    EXPECT_NE(makeScannedNetwork(bare, std::nullopt).id, hidden.id);

    ScannedAccessPoint sixGHz{"Lab", "aa:bb:cc:dd:ee:ff",      -52,
                              -95,   ScannedChannel{37, 4, 3}, {wifi_codes::securityWPA3Personal}};
    const ScannedNetwork lab = makeScannedNetwork(sixGHz, std::string("aa:bb:cc:dd:ee:ff"));
    EXPECT_EQ(lab.channel, 37);
    EXPECT_EQ(lab.channelWidth, ChannelWidth::oneSixty);
    EXPECT_EQ(lab.band, WiFiBand::band6GHz);
    EXPECT_EQ(lab.noise, -95);
    EXPECT_TRUE(lab.isCurrentNetwork);
    // The comparison is exact: another spelling of the same address is not the current network.
    EXPECT_FALSE(makeScannedNetwork(sixGHz, std::string("AA:BB:CC:DD:EE:FF")).isCurrentNetwork);

    // An unknown width code reads as the legacy 20 MHz.
    sixGHz.channel->widthCode = wifi_codes::widthUnknown;
    EXPECT_EQ(makeScannedNetwork(sixGHz, std::nullopt).channelWidth, ChannelWidth::twenty);
}

TEST(ScanConversion, StrongestSupportedSecurityWinsAndStaticWepIsNotAsked) {
    using namespace wifi_codes;
    EXPECT_EQ(securityFor({securityWPA2Personal, securityWPA3Personal}), WiFiSecurity::wpa3Psk);
    EXPECT_EQ(securityFor({securityWPA2Enterprise, securityWPA3Enterprise, securityWPA2Personal}),
              WiFiSecurity::wpa3Enterprise);
    EXPECT_EQ(securityFor({securityWPAPersonal, securityWPA2Enterprise}), WiFiSecurity::wpa2Enterprise);
    EXPECT_EQ(securityFor({securityWPAPersonal, securityWPAEnterprise}), WiFiSecurity::wpaPsk);
    EXPECT_EQ(securityFor({securityDynamicWEP, securityNone}), WiFiSecurity::wep);
    EXPECT_EQ(securityFor({securityNone}), WiFiSecurity::open);
    EXPECT_EQ(securityFor({securityWEP}), WiFiSecurity::unknown);
    EXPECT_EQ(securityFor({}), WiFiSecurity::unknown);
}

TEST(ScanConversion, SortIsStableStrongestFirst) {
    const auto sorted =
        sortedStrongestFirst({network(1, -70, WiFiBand::band2_4GHz, ChannelWidth::twenty, "a"),
                              network(1, -50, WiFiBand::band2_4GHz, ChannelWidth::twenty, "b"),
                              network(1, -70, WiFiBand::band2_4GHz, ChannelWidth::twenty, "c"),
                              network(1, -50, WiFiBand::band2_4GHz, ChannelWidth::twenty, "d")});
    std::vector<std::string> names;
    for (const auto& n : sorted)
        names.push_back(n.ssid);
    EXPECT_EQ(names, (std::vector<std::string>{"b", "d", "a", "c"}));
}

TEST(ChannelAnalysis, TwoPointFourGigahertzSpreadsByWidth) {
    EXPECT_EQ(countedChannels(analyseChannels({network(6, -60)}).usage2GHz),
              (std::vector<int>{4, 5, 6, 7, 8}));
    EXPECT_EQ(countedChannels(
                  analyseChannels({network(1, -60, WiFiBand::band2_4GHz, ChannelWidth::forty)}).usage2GHz),
              (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(
        countedChannels(
            analyseChannels({network(13, -60, WiFiBand::band2_4GHz, ChannelWidth::oneSixty)}).usage2GHz),
        (std::vector<int>{9, 10, 11, 12, 13, 14}));
    // Without channel information a network still counts at the bottom of the band.
    EXPECT_EQ(countedChannels(analyseChannels({network(0, -60)}).usage2GHz), (std::vector<int>{1, 2}));
}

TEST(ChannelAnalysis, OnlyListedFiveGigahertzChannelsCountAndOtherBandsNever) {
    const auto occupancy =
        analyseChannels({network(36, -40, WiFiBand::band5GHz, ChannelWidth::eighty),
                         network(38, -40, WiFiBand::band5GHz, ChannelWidth::forty),
                         network(5, -40, WiFiBand::band6GHz), network(6, -40, WiFiBand::unknown)});
    EXPECT_EQ(countedChannels(occupancy.usage5GHz), (std::vector<int>{36}));
    EXPECT_TRUE(countedChannels(occupancy.usage2GHz).empty());
    ASSERT_EQ(occupancy.usage5GHz.size(), 25u);
    EXPECT_EQ(occupancy.usage5GHz.front().maxRSSI, -40);
    EXPECT_EQ(occupancy.usage5GHz.back().maxRSSI, -100);
}

TEST(ChannelAnalysis, EntriesKeepScanOrderAndStrongestSignal) {
    const auto occupancy = analyseChannels(
        sortedStrongestFirst({network(3, -80, WiFiBand::band2_4GHz, ChannelWidth::twenty, "far"),
                              network(5, -55, WiFiBand::band2_4GHz, ChannelWidth::twenty, "near")}));
    const ChannelUsage& four = occupancy.usage2GHz[3];
    ASSERT_EQ(four.channel, 4);
    ASSERT_EQ(four.networks.size(), 2u);
    EXPECT_EQ(four.networks[0].ssid, "near");
    EXPECT_EQ(four.maxRSSI, -55);
    EXPECT_EQ(occupancy.usage2GHz[0].maxRSSI, -80);
}

TEST(ChannelRecommendations, EmptyAirKeepsCandidateOrderAtFullScore) {
    const auto list = recommend({});
    std::vector<int> channels;
    for (const auto& r : list) {
        channels.push_back(r.channel);
        EXPECT_EQ(r.score, 100);
        EXPECT_EQ(r.reason, "No networks detected - optimal choice");
        EXPECT_EQ(r.networkCount, 0);
        EXPECT_EQ(r.strongestInterference, std::nullopt);
        EXPECT_EQ(r.band, r.channel < 14 ? WiFiBand::band2_4GHz : WiFiBand::band5GHz);
    }
    EXPECT_EQ(channels, (std::vector<int>{1, 6, 11, 36, 40, 44, 48, 149, 153, 157, 161, 165}));
}

TEST(ChannelRecommendations, SingleNetworkCases) {
    const auto weak = recommend({network(1, -75)});
    EXPECT_EQ(candidate(weak, 1).score, 85);
    EXPECT_EQ(candidate(weak, 1).reason, "1 weak network - good choice");
    EXPECT_EQ(candidate(weak, 1).strongestInterference, -75);
    EXPECT_EQ(candidate(weak, 6).score, 100);

    const auto moderate = recommend({network(3, -65)});
    EXPECT_EQ(candidate(moderate, 1).score, 80);
    EXPECT_EQ(candidate(moderate, 1).reason, "1 networks with moderate interference");
    EXPECT_EQ(candidate(moderate, 6).score, 100);

    const auto strong = recommend({network(6, -45)});
    EXPECT_EQ(candidate(strong, 6).score, 65);
    EXPECT_EQ(candidate(strong, 6).reason, "1 networks - consider other channels");
    // The lowered channel sinks below every untouched candidate, which keep their order.
    EXPECT_EQ(strong.back().channel, 6);
    EXPECT_EQ(strong.front().channel, 1);
    EXPECT_EQ(strong[1].channel, 11);
}

TEST(ChannelRecommendations, SignalCostBoundaries) {
    EXPECT_EQ(candidate(recommend({network(36, -70, WiFiBand::band5GHz)}), 36).score, 85);
    EXPECT_EQ(candidate(recommend({network(36, -69, WiFiBand::band5GHz)}), 36).score, 80);
    EXPECT_EQ(candidate(recommend({network(36, -60, WiFiBand::band5GHz)}), 36).score, 80);
    EXPECT_EQ(candidate(recommend({network(36, -59, WiFiBand::band5GHz)}), 36).score, 75);
    EXPECT_EQ(candidate(recommend({network(36, -50, WiFiBand::band5GHz)}), 36).score, 75);
    EXPECT_EQ(candidate(recommend({network(36, -49, WiFiBand::band5GHz)}), 36).score, 65);
    // -70 is not weak (< -70) but still moderate (<= -61).
    EXPECT_EQ(candidate(recommend({network(36, -70, WiFiBand::band5GHz)}), 36).reason,
              "1 networks with moderate interference");
    EXPECT_EQ(candidate(recommend({network(36, -71, WiFiBand::band5GHz)}), 36).reason,
              "1 weak network - good choice");
    EXPECT_EQ(candidate(recommend({network(36, -60, WiFiBand::band5GHz)}), 36).reason,
              "1 networks - consider other channels");
}

TEST(ChannelRecommendations, ReasonsByCountAndCongestionFloor) {
    std::vector<ScannedNetwork> two{network(44, -80, WiFiBand::band5GHz),
                                    network(44, -75, WiFiBand::band5GHz)};
    EXPECT_EQ(candidate(recommend(two), 44).reason, "2 networks with moderate interference");
    EXPECT_EQ(candidate(recommend(two), 44).strongestInterference, -75);

    std::vector<ScannedNetwork> three(3, network(44, -90, WiFiBand::band5GHz));
    EXPECT_EQ(candidate(recommend(three), 44).reason, "3 networks - consider other channels");
    EXPECT_EQ(candidate(recommend(three), 44).score, 55);

    std::vector<ScannedNetwork> seven(7, network(149, -40, WiFiBand::band5GHz));
    const auto congested = candidate(recommend(seven), 149);
    EXPECT_EQ(congested.score, 0);
    EXPECT_EQ(congested.reason, "Congested - 7 networks detected");
    EXPECT_EQ(congested.networkCount, 7);
}

TEST(ChannelRecommendations, UncountedNetworksLeaveEveryCandidateFree) {
    const auto list = recommend({network(38, -30, WiFiBand::band5GHz), network(1, -30, WiFiBand::band6GHz),
                                 network(52, -30, WiFiBand::band5GHz)});
    for (const auto& r : list)
        EXPECT_EQ(r.score, 100) << r.channel;
}

} // namespace
