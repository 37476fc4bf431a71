#pragma once

#include "core/PingStatistics.h"
#include "core/Tone.h"
#include "core/WiFiInfo.h"
#include "probes/CaptivePortalStatus.h"

#include <optional>
#include <string_view>

// The one problem the status view headlines, most pressing first.
enum class ConnectionIssue {
    noInternet,
    captivePortal,
    veryWeakSignal,
    weakSignal,
    highPacketLoss,
    highLatency,
    moderateLatency,
    unstableConnection,
};

std::string_view icon(ConnectionIssue issue);
std::string_view message(ConnectionIssue issue);
// Red, orange or yellow by how badly the issue gets in the way.
Tone tone(ConnectionIssue issue);

// The first problem found in a fixed order of checks, or none when the connection looks fine.
// The internet summary is read even when empty (all zero), which then raises nothing.
std::optional<ConnectionIssue> currentIssue(const CaptivePortalStatus& portal,
                                            const std::optional<WiFiInfo>& wifi,
                                            const PingStatistics& internet);
