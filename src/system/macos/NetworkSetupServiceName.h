#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The network-service tool of macOS and how a device's service name is read from its listing.
namespace macos {

inline constexpr std::string_view networksetupPath = "/usr/sbin/networksetup";
inline const std::vector<std::string> listServiceOrderArguments{"-listnetworkserviceorder"};

// The listing pairs a line such as "(1) Wi-Fi" with the line after it, "(Hardware Port: Wi-Fi,
// Device: en0)". Answers the text after the first ')' and the blanks that follow it, on the line
// before the first line (not counting the listing's first) that contains "Device: " and the
// interface name; a line before without such a ')' lets the search go on.
std::optional<std::string> parseNetworkServiceName(std::string_view listing, std::string_view interfaceName);

} // namespace macos
