#pragma once

#include "core/TimePoint.h"

#include <cstdint>

// One local calendar day of measurements of one network.
struct DailyAverage {
    // Local midnight that starts the day.
    TimePoint date;
    // Running integer mean of the day's quality scores.
    std::int64_t score = 0;
    std::int64_t count = 0;

    bool operator==(const DailyAverage&) const = default;
};
