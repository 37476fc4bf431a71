#pragma once

#include "core/TimePoint.h"

// One ping sample. A latency of -1.0 marks a lost or failed ping; any value >= 0 is a success.
struct PingResult {
    double latency = -1.0;
    // For a success, when the echo request was sent. Nothing reads it for a failed sample.
    TimePoint timestamp{};

    bool succeeded() const { return latency >= 0.0; }

    bool operator==(const PingResult&) const = default;
};
