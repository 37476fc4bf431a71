#pragma once

#include "system/linux/WiFiCodeMapping.h"

#include <QDBusConnection>

#include <optional>
#include <string>

// Security settings of the connection NetworkManager has active on the interface, read over the
// system bus (settings only, never secrets). Absent when NetworkManager is not running, does not
// manage the interface or does not answer within a fraction of a second.
std::optional<wifi_mapping::KeyManagement> activeKeyManagement(const std::string& interfaceName);
// The same on a given bus.
std::optional<wifi_mapping::KeyManagement> activeKeyManagement(const QDBusConnection& bus,
                                                               const std::string& interfaceName);
