#pragma once

#include "core/WiFiInfo.h"

#include <cstdint>
#include <limits>
#include <string_view>

// The one table of the codes that link readings and scanned access points carry. They follow the numbering of
// the platform codes the link tables are written against, so every platform reader maps onto the same tables.
namespace wifi_codes {
// Channel band.
inline constexpr int bandUnknown = 0;
inline constexpr int band2GHz = 1;
inline constexpr int band5GHz = 2;
inline constexpr int band6GHz = 3;

// Channel width.
inline constexpr int widthUnknown = 0;
inline constexpr int width20MHz = 1;
inline constexpr int width40MHz = 2;
inline constexpr int width80MHz = 3;
inline constexpr int width160MHz = 4;

// Radio standard.
inline constexpr int phyNone = 0;
inline constexpr int phy11a = 1;
inline constexpr int phy11b = 2;
inline constexpr int phy11g = 3;
inline constexpr int phy11n = 4;
inline constexpr int phy11ac = 5;
inline constexpr int phy11ax = 6;
// 802.11be: the next platform code; it has no display text of its own and shows as "Unknown".
inline constexpr int phy11be = 7;

// Security mode.
inline constexpr std::int64_t securityNone = 0;
inline constexpr std::int64_t securityWEP = 1;
inline constexpr std::int64_t securityWPAPersonal = 2;
inline constexpr std::int64_t securityWPAPersonalMixed = 3;
inline constexpr std::int64_t securityWPA2Personal = 4;
inline constexpr std::int64_t securityPersonal = 5;
inline constexpr std::int64_t securityDynamicWEP = 6;
inline constexpr std::int64_t securityWPAEnterprise = 7;
inline constexpr std::int64_t securityWPAEnterpriseMixed = 8;
inline constexpr std::int64_t securityWPA2Enterprise = 9;
inline constexpr std::int64_t securityEnterprise = 10;
inline constexpr std::int64_t securityWPA3Personal = 11;
inline constexpr std::int64_t securityWPA3Enterprise = 12;
inline constexpr std::int64_t securityWPA3Transition = 13;
inline constexpr std::int64_t securityOWE = 14;
inline constexpr std::int64_t securityOWETransition = 15;
inline constexpr std::int64_t securityUnknown = std::numeric_limits<std::int64_t>::max();
} // namespace wifi_codes

// Display text of a radio-standard code; unlisted codes read "Unknown".
std::string_view phyModeText(int code);
// Display text of a security code; codes past the named ones read "Secured".
std::string_view securityTypeText(std::int64_t code);
WiFiBand bandFromCode(int code);
// Width in MHz; unknown, 20 MHz and codes past 160 MHz all give 20.
int channelWidthFromCode(int code);
