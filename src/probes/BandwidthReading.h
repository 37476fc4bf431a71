#pragma once

#include "core/TimePoint.h"

#include <cstdint>

// One sample of the summed byte counters of the counted interfaces.
struct BandwidthReading {
    std::uint64_t bytesIn = 0;
    std::uint64_t bytesOut = 0;
    TimePoint timestamp;

    bool operator==(const BandwidthReading&) const = default;
};
