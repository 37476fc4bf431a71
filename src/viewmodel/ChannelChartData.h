#pragma once

#include "core/Tone.h"
#include "probes/ChannelUsage.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A run of 5 GHz channels drawn as one bar.
struct ChannelGroup {
    std::string_view name;
    std::string_view label;
    std::vector<int> channels;
};

// The 5 GHz groups in display order.
const std::array<ChannelGroup, 4>& channelGroups5GHz();

// One bar of the 5 GHz chart.
struct ChannelGroupData {
    std::string id;
    std::string name;
    std::string label;
    int networkCount = 0;
};

// One drawn bar: its axis label, its height in networks and its tone (gray is drawn faded).
struct ChannelBar {
    std::string label;
    int count = 0;
    Tone tone = Tone::gray;

    bool operator==(const ChannelBar&) const = default;
};

// Bar tone by count: 0 gray, 1-2 green, 3-4 orange, 5 and more red.
Tone channel2GHzTone(int count);
// Bar tone by count: 0 gray, 1-3 green, 4-6 orange, 7 and more red.
Tone channel5GHzTone(int count);

// Channels 1 to 13 of the 2.4 GHz occupancy. Channel 14 is not drawn, though its networks already
// count on 12 and 13 through the overlap.
std::vector<ChannelBar> channel2GHzBars(const std::vector<ChannelUsage>& usage);
// The network counts of each 5 GHz group's channels, summed.
std::vector<ChannelGroupData> channelGroupData(const std::vector<ChannelUsage>& usage);
std::vector<ChannelBar> channel5GHzBars(const std::vector<ChannelUsage>& usage);

// Pixel height of a bar of `count` on a plot `plotHeight` high whose top stands for `axisMaximum`.
int barHeight(int count, int axisMaximum, int plotHeight);
// The top of the y axis: the largest count, rounded up to an even number, at least 2, so the gridlines
// fall on whole networks.
int axisMaximum(const std::vector<ChannelBar>& bars);
