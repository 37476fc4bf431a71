#pragma once

#include "core/WiFiInfo.h"
#include "core/WiFiReading.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Display text of a radio-standard code; unlisted codes read "Unknown".
std::string_view phyModeText(int code);
// Display text of a security code; codes past the named ones read "Secured".
std::string_view securityTypeText(std::int64_t code);
WiFiBand bandFromCode(int code);
// Width in MHz; unknown, 20 MHz and codes past 160 MHz all give 20.
int channelWidthFromCode(int code);

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
