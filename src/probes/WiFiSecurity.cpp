#include "probes/WiFiSecurity.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<WiFiSecurity, std::string_view>, 9> kTexts{{
    {WiFiSecurity::open, "Open"},
    {WiFiSecurity::wep, "WEP"},
    {WiFiSecurity::wpaPsk, "WPA Personal"},
    {WiFiSecurity::wpaEnterprise, "WPA Enterprise"},
    {WiFiSecurity::wpa2Psk, "WPA2 Personal"},
    {WiFiSecurity::wpa2Enterprise, "WPA2 Enterprise"},
    {WiFiSecurity::wpa3Psk, "WPA3 Personal"},
    {WiFiSecurity::wpa3Enterprise, "WPA3 Enterprise"},
    {WiFiSecurity::unknown, "Unknown"},
}};
} // namespace

std::string_view rawValue(WiFiSecurity security) {
    for (const auto& [value, text] : kTexts)
        if (value == security)
            return text;
    return "Unknown";
}

std::optional<WiFiSecurity> wifiSecurityFromRawValue(std::string_view text) {
    for (const auto& [value, name] : kTexts)
        if (name == text)
            return value;
    return std::nullopt;
}
