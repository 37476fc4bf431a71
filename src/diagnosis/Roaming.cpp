#include "diagnosis/Roaming.h"

#include <algorithm>
#include <cctype>

namespace {
bool sameAddress(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}
} // namespace

std::optional<RoamingEvent> detectRoaming(const std::optional<WiFiInfo>& before,
                                          const std::optional<WiFiInfo>& after) {
    if (!before || !after || before->ssid.empty() || before->ssid != after->ssid)
        return std::nullopt;
    if (!before->bssid || !after->bssid || before->bssid->empty() || after->bssid->empty())
        return std::nullopt;
    if (sameAddress(*before->bssid, *after->bssid))
        return std::nullopt;
    return RoamingEvent{after->ssid, *before->bssid, *after->bssid, before->rssi, after->rssi};
}
