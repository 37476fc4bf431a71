#pragma once

#include "platform/Clock.h"

// One ping sample. A latency of -1.0 marks a lost or failed ping; any value >= 0 is a success.
struct PingResult {
    double latency = -1.0;
    // For a success, when the ping tool was started. Nothing reads it for a failed sample.
    TimePoint timestamp{};

    bool succeeded() const { return latency >= 0.0; }

    // Every failed sample is a copy of one shared constant, stamped when it was first needed.
    static PingResult failed();

    bool operator==(const PingResult&) const = default;
};
