#pragma once

#include "core/WiFiInfo.h"

#include <optional>
#include <string>
#include <vector>

// One candidate channel for the user's router, rated 0-100 (higher is better).
struct ChannelRecommendation {
    std::string id;
    int channel = 0;
    WiFiBand band = WiFiBand::band2_4GHz;
    int score = 0;
    std::string reason;
    // The reason before its count is put in, marked for translators under "ChannelRecommendation",
    // and the figures for %1, ...: a view translates the pattern and fills it in.
    std::string reasonPattern;
    std::vector<std::string> reasonArguments;
    int networkCount = 0;
    // Signal of the strongest network counted on the channel; absent when there is none.
    std::optional<int> strongestInterference;

    bool operator==(const ChannelRecommendation&) const = default;
};
