#include "probes/WiFiSecurity.h"

#include "core/EnumTable.h"

namespace {
constexpr std::array<EnumText<WiFiSecurity>, 9> kTexts{{
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
    return rawOf(kTexts, security, "Unknown");
}

std::optional<WiFiSecurity> wifiSecurityFromRawValue(std::string_view text) {
    return caseFromRaw(kTexts, text);
}
