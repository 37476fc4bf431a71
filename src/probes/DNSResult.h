#pragma once

#include "core/TimePoint.h"

#include <optional>
#include <string>

// One timed lookup of the test domain through the system resolver.
struct DNSResult {
    // The system's first DNS server, or "System Default" when none could be found.
    std::string server;
    // Duration of the blocking resolution in milliseconds, measured on a monotonic clock; a failed
    // lookup still has one.
    double lookupTime = 0.0;
    std::string domain;
    // Numeric text of the first address; absent when the lookup failed or returned nothing.
    std::optional<std::string> resolvedIP;
    // When the measurement started.
    TimePoint timestamp{};

    bool operator==(const DNSResult&) const = default;
};
