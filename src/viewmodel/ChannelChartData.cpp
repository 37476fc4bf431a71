#include "viewmodel/ChannelChartData.h"

#include "core/Uuid.h"

#include <algorithm>

const std::array<ChannelGroup, 4>& channelGroups5GHz() {
    static const std::array<ChannelGroup, 4> groups{{
        {"36-48", "UNII-1", {36, 40, 44, 48}},
        {"52-64", "DFS", {52, 56, 60, 64}},
        {"100-144", "DFS", {100, 104, 108, 112, 116, 120, 124, 128, 132, 136, 140, 144}},
        {"149-165", "UNII-3", {149, 153, 157, 161, 165}},
    }};
    return groups;
}

Tone channel2GHzTone(int count) {
    if (count <= 0)
        return Tone::gray;
    if (count <= 2)
        return Tone::green;
    if (count <= 4)
        return Tone::orange;
    return Tone::red;
}

Tone channel5GHzTone(int count) {
    if (count <= 0)
        return Tone::gray;
    if (count <= 3)
        return Tone::green;
    if (count <= 6)
        return Tone::orange;
    return Tone::red;
}

std::vector<ChannelBar> channel2GHzBars(const std::vector<ChannelUsage>& usage) {
    std::vector<ChannelBar> bars;
    for (std::size_t i = 0; i < std::min<std::size_t>(13, usage.size()); ++i) {
        const int count = static_cast<int>(usage[i].networks.size());
        bars.push_back({std::to_string(usage[i].channel), count, channel2GHzTone(count)});
    }
    return bars;
}

std::vector<ChannelGroupData> channelGroupData(const std::vector<ChannelUsage>& usage) {
    std::vector<ChannelGroupData> result;
    for (const ChannelGroup& group : channelGroups5GHz()) {
        int count = 0;
        for (const ChannelUsage& entry : usage)
            if (std::find(group.channels.begin(), group.channels.end(), entry.channel) !=
                group.channels.end())
                count += static_cast<int>(entry.networks.size());
        result.push_back({makeUuid(), std::string(group.name), std::string(group.label), count});
    }
    return result;
}

std::vector<ChannelBar> channel5GHzBars(const std::vector<ChannelUsage>& usage) {
    std::vector<ChannelBar> bars;
    for (const ChannelGroupData& group : channelGroupData(usage))
        bars.push_back({group.name, group.networkCount, channel5GHzTone(group.networkCount)});
    return bars;
}

int barHeight(int count, int axisMaximum, int plotHeight) {
    if (count <= 0 || axisMaximum <= 0 || plotHeight <= 0)
        return 0;
    return std::min(plotHeight, (count * plotHeight + axisMaximum / 2) / axisMaximum);
}

int axisMaximum(const std::vector<ChannelBar>& bars) {
    int largest = 0;
    for (const ChannelBar& bar : bars)
        largest = std::max(largest, bar.count);
    return std::max(2, largest + largest % 2);
}
