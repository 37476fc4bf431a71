#include "diagnosis/NotificationType.h"

#include "core/EnumTable.h"

namespace {
constexpr std::array<EnumText<NotificationType>, 12> kRawValues{{
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
    {NotificationType::roaming, "roaming"},
}};
} // namespace

std::string_view rawValue(NotificationType type) {
    return rawOf(kRawValues, type, {});
}

std::optional<NotificationType> notificationTypeFromRawValue(std::string_view text) {
    return caseFromRaw(kRawValues, text);
}
