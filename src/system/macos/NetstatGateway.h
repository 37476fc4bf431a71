#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The routing-table tool of macOS and how the default route is read from its listing.
namespace macos {

inline constexpr std::string_view netstatPath = "/usr/sbin/netstat";
inline const std::vector<std::string> netstatRouteArguments{"-rn"};

// The second field of the first line that begins with "default" and has at least two fields.
std::optional<std::string> parseNetstatDefaultGateway(std::string_view listing);
// The last space-separated field of the first line that begins with "default": the interface of
// the IPv4 default route, which the listing prints before the IPv6 table.
std::optional<std::string> parseNetstatDefaultInterface(std::string_view listing);

} // namespace macos
