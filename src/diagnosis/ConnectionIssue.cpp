#include "diagnosis/ConnectionIssue.h"

namespace {
struct IssueLook {
    std::string_view icon;
    std::string_view message;
    std::string_view color;
};

IssueLook look(ConnectionIssue issue) {
    switch (issue) {
    case ConnectionIssue::noInternet:
        return {"wifi.slash", "Can't reach the internet", "red"};
    case ConnectionIssue::captivePortal:
        return {"person.badge.key", "This network needs you to sign in", "orange"};
    case ConnectionIssue::veryWeakSignal:
        return {"antenna.radiowaves.left.and.right.slash", "Signal is really weak here", "red"};
    case ConnectionIssue::weakSignal:
        return {"antenna.radiowaves.left.and.right.slash", "Signal could be stronger", "orange"};
    case ConnectionIssue::highPacketLoss:
        return {"exclamationmark.triangle.fill", "Some data isn't getting through", "red"};
    case ConnectionIssue::highLatency:
        return {"tortoise.fill", "Internet is responding slowly", "orange"};
    case ConnectionIssue::moderateLatency:
        return {"tortoise.fill", "Things are a bit sluggish", "yellow"};
    case ConnectionIssue::unstableConnection:
        return {"waveform.path", "Connection keeps changing", "orange"};
    }
    return {};
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
