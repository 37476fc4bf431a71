#pragma once

#include "core/WiFiInfo.h"
#include "core/WiFiReading.h"

#include <optional>

// What one refresh publishes.
struct WiFiRefreshResult {
    // Absent: not connected.
    std::optional<WiFiInfo> info;
    // Absent: keep the previous value.
    std::optional<bool> needsLocationPermission;

    bool operator==(const WiFiRefreshResult&) const = default;
};

// Turns an interface reading (absent = no interface) into the snapshot to publish.
WiFiRefreshResult evaluateReading(const std::optional<WiFiReading>& reading);
