#pragma once

#include "core/WiFiReading.h"
#include "system/linux/InformationElements.h"
#include "system/linux/Nl80211Messages.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Translation of what nl80211 and NetworkManager report into the codes of a WiFiReading.
namespace wifi_mapping {

// Channel number of a centre frequency in MHz; absent outside the Wi-Fi bands.
std::optional<int> channelForFrequency(std::uint32_t mhz);
// Band code from the frequency alone (channel numbers repeat across bands); 0 when outside them.
int bandCodeForFrequency(std::uint32_t mhz);
// Width code of an NL80211_CHAN_WIDTH_* value. 80+80 counts as 160 MHz (the same spectrum in
// total); 320 MHz maps to the widest code, 160. Narrow and sub-1 GHz widths are unknown.
int widthCodeForChannelWidth(std::uint32_t nl80211Width);
// The same for a width read from a network's operation elements.
int widthCodeForOperatingWidth(ie::OperatingWidth width);

// Radio standard code of one rate; `frequency` tells 802.11a from b/g for legacy rates.
int phyCodeForRate(const nl80211::RateInfo& rate, std::uint32_t frequency);
// The higher standard of the transmit and receive rates: one legacy management frame must not
// make an 802.11ax link look like 802.11a.
int phyCodeForStation(const nl80211::StationInfo& station, std::uint32_t frequency);

// "aa:bb:cc:dd:ee:ff".
std::string formatBssid(const nl80211::MacAddress& address);
// Network name bytes as text: invalid UTF-8 sequences become U+FFFD. Absent for a hidden name
// (empty or all zero bytes).
std::optional<std::string> ssidText(std::span<const std::uint8_t> bytes);

// What NetworkManager's active connection says about its security (no secrets).
struct KeyManagement {
    // "802-11-wireless-security" key-mgmt; empty when the connection has no security section.
    std::string keyMgmt;
    // Allowed protocols ("wpa", "rsn"); empty means both.
    std::vector<std::string> protocols;
    // Protected management frames: 0 default, 1 disable, 2 optional, 3 required.
    int pmf = 0;

    bool operator==(const KeyManagement&) const = default;
};

std::int64_t securityCodeForKeyManagement(const KeyManagement& keyManagement);
// Security of the associated network from its advertised elements; when it offers several modes
// and nothing tells which one was negotiated, the combined codes (mixed, transition) are used.
std::int64_t securityCodeForElements(std::span<const std::uint8_t> elements, std::uint16_t capability);

// Everything read about one station-mode interface.
struct LinkSources {
    nl80211::InterfaceInfo interface;
    bool up = false;
    // The network the interface is associated with; absent when not associated.
    std::optional<nl80211::ScanResult> associated;
    std::optional<nl80211::StationInfo> station;
    std::vector<nl80211::SurveyEntry> survey;
    std::optional<KeyManagement> keyManagement;
};

// Associated: the kernel marks a network as ours, or the interface names its network and has a
// station entry (the access point) while that network is missing from the cached results.
bool isAssociated(const LinkSources& sources);
// A not-associated interface gives a reading without signal (the not-connected state).
WiFiReading readingFor(const LinkSources& sources);

} // namespace wifi_mapping
