#pragma once

#include "core/PingResult.h"

#include <vector>

// Summary of one history window. Latencies in milliseconds, packet loss in percent 0-100.
struct PingStatistics {
    double averageLatency = 0.0;
    // Mean absolute difference between consecutive successful samples.
    double jitter = 0.0;
    double packetLoss = 0.0;
    double minLatency = 0.0;
    double maxLatency = 0.0;
    int samplesCount = 0;

    bool operator==(const PingStatistics&) const = default;
};

// Average, minimum, maximum and jitter come from the successful samples only; packet loss counts
// the failed ones over the whole window.
PingStatistics calculateStatistics(const std::vector<PingResult>& history);
