#pragma once

// The four sub-scores behind a quality score, each 0-100.
struct QualityBreakdown {
    int signal = 0;
    int latency = 0;
    int jitter = 0;
    int packetLoss = 0;

    bool operator==(const QualityBreakdown&) const = default;
};
