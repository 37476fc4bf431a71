#include "core/ConnectionQuality.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Truncates toward zero and keeps the result inside 0..100, so infinite or huge inputs cannot
// overflow the integer conversion.
int truncatedScore(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), 0.0, 100.0));
}

// An empty window has measured nothing yet, so the ping inputs are neutral. A window in which no
// ping came back is no internet at all: its latency and jitter are as bad as they get, not unknown.
QualityBreakdown breakdownOf(std::optional<int> rssi, const PingStatistics& internet) {
    const int signal = ConnectionQuality::signalScore(rssi);
    if (internet.samplesCount <= 0)
        return {signal, ConnectionQuality::latencyScore(std::nullopt),
                ConnectionQuality::jitterScore(std::nullopt),
                ConnectionQuality::packetLossScore(std::nullopt)};
    const int packetLoss = ConnectionQuality::packetLossScore(internet.packetLoss);
    if (internet.packetLoss >= 100.0)
        return {signal, 0, 0, packetLoss};
    return {signal, ConnectionQuality::latencyScore(internet.averageLatency),
            ConnectionQuality::jitterScore(internet.jitter), packetLoss};
}

} // namespace

ConnectionQuality::ConnectionQuality(std::optional<int> rssi, std::optional<double> latency,
                                     std::optional<double> jitter, std::optional<double> packetLoss)
    : ConnectionQuality(QualityBreakdown{signalScore(rssi), latencyScore(latency), jitterScore(jitter),
                                         packetLossScore(packetLoss)}) {}

ConnectionQuality::ConnectionQuality(std::optional<int> rssi, const PingStatistics& internet)
    : ConnectionQuality(breakdownOf(rssi, internet)) {}

ConnectionQuality::ConnectionQuality(QualityBreakdown subScores) : breakdown(subScores) {
    const double weighted = breakdown.signal * 0.3 + breakdown.latency * 0.35 + breakdown.jitter * 0.2 +
                            breakdown.packetLoss * 0.15;
    score = static_cast<int>(weighted);
    rating = qualityRatingForScore(score);
}

int ConnectionQuality::signalScore(std::optional<int> rssi) {
    if (!rssi)
        return 50;
    // 64-bit sum: a nonsense reading near INT_MAX must not overflow.
    const double x = static_cast<double>(std::int64_t{*rssi} + 90) / 60.0 * 100.0;
    return truncatedScore(x);
}

int ConnectionQuality::latencyScore(std::optional<double> latency) {
    // Zero is no measurement, not a perfect one.
    if (!latency || !(*latency > 0.0))
        return 50;
    const double l = *latency;
    if (l <= 10.0)
        return truncatedScore(100.0 - std::trunc(l));
    if (l <= 50.0)
        return truncatedScore(90.0 - std::trunc(l - 10.0));
    if (l <= 100.0)
        return truncatedScore(50.0 - std::trunc((l - 50.0) * 0.6));
    return truncatedScore(20.0 - std::trunc((l - 100.0) * 0.2));
}

int ConnectionQuality::jitterScore(std::optional<double> jitter) {
    if (!jitter || !(*jitter >= 0.0))
        return 100;
    const double j = *jitter;
    if (j <= 5.0)
        return truncatedScore(100.0 - std::trunc(j * 4.0));
    if (j <= 20.0)
        return truncatedScore(80.0 - std::trunc((j - 5.0) * 3.3));
    return truncatedScore(30.0 - std::trunc(j - 20.0));
}

int ConnectionQuality::packetLossScore(std::optional<double> packetLoss) {
    if (!packetLoss || !(*packetLoss > 0.0))
        return 100;
    const double p = *packetLoss;
    if (p <= 1.0)
        return truncatedScore(100.0 - std::trunc(p * 30.0));
    if (p <= 5.0)
        return truncatedScore(70.0 - std::trunc((p - 1.0) * 12.5));
    return truncatedScore(20.0 - std::trunc((p - 5.0) * 4.0));
}
