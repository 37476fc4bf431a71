#pragma once

#include "core/RuleText.h"
#include "core/WiFiInfo.h"

#include <optional>
#include <string>

// The link moved to another access point of the same network.
struct RoamingEvent {
    std::string ssid;
    std::string fromBSSID;
    std::string toBSSID;
    int rssiBefore = 0;
    int rssiAfter = 0;

    bool operator==(const RoamingEvent&) const = default;
};

// What the timeline and the notification call a roam.
inline constexpr char kRoamedText[] = QT_TRANSLATE_NOOP("Notification", "Roamed to another access point");

// A roam between two consecutive readings: both connected to the same (non-empty) SSID, both with a
// known BSSID, and the BSSIDs differ (compared without regard to case, as drivers differ in how
// they print them).
std::optional<RoamingEvent> detectRoaming(const std::optional<WiFiInfo>& before,
                                          const std::optional<WiFiInfo>& after);
