#include "diagnosis/ConnectionIssue.h"

#include "core/EnumTable.h"

namespace {
struct IssueLook {
    ConnectionIssue value;
    std::string_view icon;
    std::string_view message;
    std::string_view color;
};

constexpr std::array<IssueLook, 8> kLooks{{
    {ConnectionIssue::noInternet, "wifi.slash", "Can't reach the internet", "red"},
    {ConnectionIssue::captivePortal, "person.badge.key", "This network needs you to sign in", "orange"},
    {ConnectionIssue::veryWeakSignal, "antenna.radiowaves.left.and.right.slash", "Signal is really weak here",
     "red"},
    {ConnectionIssue::weakSignal, "antenna.radiowaves.left.and.right.slash", "Signal could be stronger",
     "orange"},
    {ConnectionIssue::highPacketLoss, "exclamationmark.triangle.fill", "Some data isn't getting through",
     "red"},
    {ConnectionIssue::highLatency, "tortoise.fill", "Internet is responding slowly", "orange"},
    {ConnectionIssue::moderateLatency, "tortoise.fill", "Things are a bit sluggish", "yellow"},
    {ConnectionIssue::unstableConnection, "waveform.path", "Connection keeps changing", "orange"},
}};

const IssueLook& look(ConnectionIssue issue) {
    static constexpr IssueLook kNone{};
    return rowOf(kLooks, issue, kNone);
}
} // namespace

std::string_view icon(ConnectionIssue issue) {
    return look(issue).icon;
}
std::string_view message(ConnectionIssue issue) {
    return look(issue).message;
}
std::string_view colorName(ConnectionIssue issue) {
    return look(issue).color;
}

std::optional<ConnectionIssue> currentIssue(const CaptivePortalStatus& portal,
                                            const std::optional<WiFiInfo>& wifi,
                                            const PingStatistics& internet) {
    if (portal.isNoInternet())
        return ConnectionIssue::noInternet;
    if (portal.isCaptivePortal())
        return ConnectionIssue::captivePortal;
    if (wifi && wifi->rssi < -80)
        return ConnectionIssue::veryWeakSignal;
    if (internet.packetLoss > 5.0)
        return ConnectionIssue::highPacketLoss;
    if (internet.averageLatency > 100.0)
        return ConnectionIssue::highLatency;
    if (internet.jitter > 20.0)
        return ConnectionIssue::unstableConnection;
    if (wifi && wifi->rssi < -70)
        return ConnectionIssue::weakSignal;
    if (internet.averageLatency > 50.0)
        return ConnectionIssue::moderateLatency;
    return std::nullopt;
}
