#pragma once

#include "core/TimePoint.h"
#include "probes/LoadedLatency.h"

#include <string>

// The outcome of one speed test. Rates in megabits per second; 0 for a direction that failed.
struct SpeedTestResult {
    double downloadSpeed = 0.0;
    double uploadSpeed = 0.0;
    // When the test finished.
    TimePoint timestamp{};
    std::string serverName;
    // Pings just before and during the transfers.
    LoadedLatency loadedLatency;

    bool operator==(const SpeedTestResult&) const = default;
};
