#include "diagnosis/ConnectionIssue.h"
#include "core/RuleText.h"

#include "core/EnumTable.h"

namespace {
struct IssueLook {
    ConnectionIssue value;
    std::string_view icon;
    std::string_view message;
    Tone tone;
};

constexpr std::array<IssueLook, 8> kLooks{{
    {ConnectionIssue::noInternet, "wifi.slash",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Can't reach the internet"), Tone::red},
    {ConnectionIssue::captivePortal, "person.badge.key",
     QT_TRANSLATE_NOOP("ConnectionIssue", "This network needs you to sign in"), Tone::orange},
    {ConnectionIssue::veryWeakSignal, "antenna.radiowaves.left.and.right.slash",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Signal is really weak here"), Tone::red},
    {ConnectionIssue::weakSignal, "antenna.radiowaves.left.and.right.slash",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Signal could be stronger"), Tone::orange},
    {ConnectionIssue::highPacketLoss, "exclamationmark.triangle.fill",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Some data isn't getting through"), Tone::red},
    {ConnectionIssue::highLatency, "tortoise.fill",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Internet is responding slowly"), Tone::orange},
    {ConnectionIssue::moderateLatency, "tortoise.fill",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Things are a bit sluggish"), Tone::yellow},
    {ConnectionIssue::unstableConnection, "waveform.path",
     QT_TRANSLATE_NOOP("ConnectionIssue", "Connection keeps changing"), Tone::orange},
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
Tone tone(ConnectionIssue issue) {
    return look(issue).tone;
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
