#pragma once

#include <optional>
#include <string_view>

// Kind of a user notification. The raw value is also its category and starts its request identifier.
enum class NotificationType {
    highLatency,
    latencyWarning,
    packetLoss,
    weakSignal,
    signalDrop,
    signalImproved,
    ipChange,
    connectionLost,
    connectionRestored,
    captivePortal,
    qualityImproved,
    roaming,
};

std::string_view rawValue(NotificationType type);
// Exactly the raw values (case-sensitive) build a type; any other text builds nothing.
std::optional<NotificationType> notificationTypeFromRawValue(std::string_view text);
