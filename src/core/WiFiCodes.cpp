#include "core/WiFiCodes.h"

#include <array>

namespace {
constexpr std::string_view kUnknown = "Unknown";
constexpr std::string_view kSecured = "Secured";

constexpr std::array<std::string_view, 7> kPhyTexts{
    "None", "802.11a", "802.11b", "802.11g", "802.11n", "802.11ac", "802.11ax",
};

constexpr std::array<std::string_view, 11> kSecurityTexts{
    "Open",
    "WEP",
    "WPA Personal",
    "WPA Mixed",
    "WPA2 Personal",
    "WPA3 Personal",
    "Dynamic WEP",
    "WPA Enterprise",
    "WPA Enterprise Mixed",
    "WPA2 Enterprise",
    "WPA3 Enterprise",
};
} // namespace

std::string_view phyModeText(int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= kPhyTexts.size())
        return kUnknown;
    return kPhyTexts[static_cast<std::size_t>(code)];
}

std::string_view securityTypeText(std::int64_t code) {
    if (code == wifi_codes::securityUnknown || code < 0)
        return kUnknown;
    if (static_cast<std::uint64_t>(code) < kSecurityTexts.size())
        return kSecurityTexts[static_cast<std::size_t>(code)];
    return kSecured;
}

WiFiBand bandFromCode(int code) {
    switch (code) {
    case wifi_codes::band2GHz:
        return WiFiBand::band2_4GHz;
    case wifi_codes::band5GHz:
        return WiFiBand::band5GHz;
    case wifi_codes::band6GHz:
        return WiFiBand::band6GHz;
    default:
        return WiFiBand::unknown;
    }
}

int channelWidthFromCode(int code) {
    switch (code) {
    case wifi_codes::width40MHz:
        return 40;
    case wifi_codes::width80MHz:
        return 80;
    case wifi_codes::width160MHz:
        return 160;
    default:
        return 20;
    }
}
