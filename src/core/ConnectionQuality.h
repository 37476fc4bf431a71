#pragma once

#include "core/PingStatistics.h"
#include "core/QualityBreakdown.h"
#include "core/QualityRating.h"

#include <optional>

// The 0-100 connection score, its rating and the sub-scores that produced it. Pure: the same inputs
// always give the same value. An absent input gets a fixed neutral sub-score.
class ConnectionQuality {
public:
    // What is shown before anything was computed: score 0, unknown, all sub-scores 0.
    ConnectionQuality() = default;
    // rssi in dBm; latency and jitter in ms; packetLoss in percent.
    ConnectionQuality(std::optional<int> rssi, std::optional<double> latency, std::optional<double> jitter,
                      std::optional<double> packetLoss);
    // From the measurements as they are kept: the link's rssi (absent without a link) and the internet
    // ping summary. The router summary plays no part. A summary in which every ping was lost scores
    // latency and jitter 0.
    ConnectionQuality(std::optional<int> rssi, const PingStatistics& internet);

    int score = 0;
    QualityRating rating = QualityRating::unknown;
    QualityBreakdown breakdown;

    // Sub-score rules. Every conversion to an integer truncates toward zero.
    static int signalScore(std::optional<int> rssi);
    static int latencyScore(std::optional<double> latency);
    static int jitterScore(std::optional<double> jitter);
    static int packetLossScore(std::optional<double> packetLoss);

    bool operator==(const ConnectionQuality&) const = default;

private:
    explicit ConnectionQuality(QualityBreakdown subScores);
};
