#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

// The channel of a scanned access point in the platform's codes.
struct ScannedChannel {
    int number = 0;
    // 0 unknown, 1 = 20 MHz, 2 = 40 MHz, 3 = 80 MHz, 4 = 160 MHz.
    int widthCode = 0;
    // 0 unknown, 1 = 2.4 GHz, 2 = 5 GHz, 3 = 6 GHz.
    int bandCode = 0;

    bool operator==(const ScannedChannel&) const = default;
};

// Security modes an access point supports, in the platform's codes.
namespace securitycode {
inline constexpr int none = 0;
inline constexpr int wep = 1;
inline constexpr int wpaPersonal = 2;
inline constexpr int wpa2Personal = 4;
inline constexpr int dynamicWep = 6;
inline constexpr int wpaEnterprise = 7;
inline constexpr int wpa2Enterprise = 9;
inline constexpr int wpa3Personal = 11;
inline constexpr int wpa3Enterprise = 12;
// Opportunistic wireless encryption ("enhanced open").
inline constexpr int owe = 14;
} // namespace securitycode

// One access point as the platform reports it; any field may be withheld.
struct ScannedAccessPoint {
    std::optional<std::string> ssid;
    std::optional<std::string> bssid;
    int rssi = 0;
    std::optional<int> noise;
    std::optional<ScannedChannel> channel;
    std::set<int> supportedSecurity;

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
