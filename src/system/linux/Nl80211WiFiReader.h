#pragma once

#include "platform/WiFiInterfaceReader.h"
#include "system/linux/WiFiCodeMapping.h"

#include <functional>
#include <optional>
#include <string>

// Reads the current link through nl80211, with the security from NetworkManager when it manages
// the interface. Needs no privilege; without Wi-Fi support it answers "no interface" quietly.
class Nl80211WiFiReader final : public WiFiInterfaceReader {
public:
    using KeyManagementLookup = std::function<std::optional<wifi_mapping::KeyManagement>(const std::string&)>;

    Nl80211WiFiReader();
    explicit Nl80211WiFiReader(KeyManagementLookup keyManagement);

    // The first associated station-mode interface; else the first station-mode interface as a
    // not-connected reading; absent when there is none or nl80211 is unavailable.
    std::optional<WiFiReading> read() override;

private:
    KeyManagementLookup m_keyManagement;
};
