#pragma once

#include "probes/BandwidthReading.h"

#include <optional>
#include <string>

// A pair of throughput rates in bytes per second.
struct BandwidthSpeed {
    double downloadBytesPerSecond = 0.0;
    double uploadBytesPerSecond = 0.0;

    bool operator==(const BandwidthSpeed&) const = default;
};

// The rates between two samples; a counter that did not grow gives 0 for its direction (an
// interface went away, a counter was reset). None when no time passed between them.
std::optional<BandwidthSpeed> speedBetween(const BandwidthReading& earlier, const BandwidthReading& later);

// "%.1f MB/s" from 1,000,000 bytes per second, "%.0f KB/s" from 1,000, else "%.0f B/s"; decimal
// units, picked before rounding (999.6 reads "1000 B/s").
std::string formatSpeed(double bytesPerSecond);
