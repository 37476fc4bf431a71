#pragma once

#include "core/TimePoint.h"
#include "diagnosis/DailyAverage.h"

#include <cstdint>
#include <string>
#include <vector>

// What the program remembers about one network (by name).
struct NetworkMemory {
    std::string ssid;
    TimePoint firstSeen;
    TimePoint lastSeen;
    std::int64_t measurementCount = 0;
    std::int64_t totalScore = 0;
    double totalLatency = 0.0;
    // Oldest first, one entry per local day with measurements.
    std::vector<DailyAverage> dailyAverages;

    bool operator==(const NetworkMemory&) const = default;
};
