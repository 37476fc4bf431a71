#include "diagnosis/NotificationType.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<NotificationType, std::string_view>, 11> kRawValues{{
    {NotificationType::highLatency, "high_latency"},
    {NotificationType::latencyWarning, "latency_warning"},
    {NotificationType::packetLoss, "packet_loss"},
    {NotificationType::weakSignal, "weak_signal"},
    {NotificationType::signalDrop, "signal_drop"},
    {NotificationType::signalImproved, "signal_improved"},
    {NotificationType::ipChange, "ip_change"},
    {NotificationType::connectionLost, "connection_lost"},
    {NotificationType::connectionRestored, "connection_restored"},
    {NotificationType::captivePortal, "captive_portal"},
    {NotificationType::qualityImproved, "quality_improved"},
}};
} // namespace

std::string_view rawValue(NotificationType type) {
    for (const auto& [value, text] : kRawValues)
        if (value == type)
            return text;
    return {};
}

std::optional<NotificationType> notificationTypeFromRawValue(std::string_view text) {
    for (const auto& [value, raw] : kRawValues)
        if (raw == text)
            return value;
    return std::nullopt;
}
