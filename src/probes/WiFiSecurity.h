#pragma once

#include <optional>
#include <string_view>

// Security of a scanned network; the raw value doubles as the display text.
enum class WiFiSecurity {
    open,
    wep,
    wpaPsk,
    wpaEnterprise,
    wpa2Psk,
    wpa2Enterprise,
    wpa3Psk,
    wpa3Enterprise,
    unknown,
};

std::string_view rawValue(WiFiSecurity security);
// Only the exact display texts build a value.
std::optional<WiFiSecurity> wifiSecurityFromRawValue(std::string_view text);
