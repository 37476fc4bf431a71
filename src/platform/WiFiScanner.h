#pragma once

#include "core/WiFiCodes.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The channel of a scanned access point, in the codes of WiFiCodes.h.
struct ScannedChannel {
    int number = 0;
    int widthCode = wifi_codes::widthUnknown;
    int bandCode = wifi_codes::bandUnknown;

    bool operator==(const ScannedChannel&) const = default;
};

// One access point as the platform reports it; any field may be withheld.
struct ScannedAccessPoint {
    std::optional<std::string> ssid;
    std::optional<std::string> bssid;
    int rssi = 0;
    std::optional<int> noise;
    std::optional<ScannedChannel> channel;
    // Security codes of WiFiCodes.h.
    std::set<std::int64_t> supportedSecurity;

    bool operator==(const ScannedAccessPoint&) const = default;
};

struct WiFiScanResult {
    // False when the machine has no wireless interface; nothing else is then meaningful.
    bool interfaceFound = false;
    // Hardware address of the access point the interface is associated with.
    std::optional<std::string> currentBSSID;
    // In the platform's enumeration order.
    std::vector<ScannedAccessPoint> accessPoints;
    // Set when no fresh scan could be made; accessPoints then hold what the system still had
    // from earlier scans, possibly nothing.
    std::optional<std::string> scanProblem;
};

// Lists the access points in range. Blocking for seconds: call it off the main thread.
class WiFiScanner {
public:
    virtual ~WiFiScanner() = default;
    virtual WiFiScanResult scan() = 0;
};
