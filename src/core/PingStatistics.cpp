#include "core/PingStatistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

PingStatistics calculateStatistics(const std::vector<PingResult>& history) {
    PingStatistics stats;
    stats.samplesCount = static_cast<int>(history.size());

    std::vector<double> successes;
    successes.reserve(history.size());
    for (const auto& sample : history)
        if (sample.succeeded())
            successes.push_back(sample.latency);

    if (successes.empty()) {
        stats.packetLoss = history.empty() ? 0.0 : 100.0;
        return stats;
    }

    stats.averageLatency =
        std::accumulate(successes.begin(), successes.end(), 0.0) / static_cast<double>(successes.size());
    const auto [lowest, highest] = std::minmax_element(successes.begin(), successes.end());
    stats.minLatency = *lowest;
    stats.maxLatency = *highest;

    // A lost sample between two successes is skipped: those two count as neighbours.
    if (successes.size() >= 2) {
        double total = 0.0;
        for (size_t i = 1; i < successes.size(); ++i)
            total += std::fabs(successes[i] - successes[i - 1]);
        stats.jitter = total / static_cast<double>(successes.size() - 1);
    }

    const auto failures = history.size() - successes.size();
    stats.packetLoss = static_cast<double>(failures) / static_cast<double>(history.size()) * 100.0;
    return stats;
}
