#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The resolver listing tool of macOS and how its DNS servers are read from it.
namespace macos {

inline constexpr std::string_view scutilPath = "/usr/sbin/scutil";
inline const std::vector<std::string> scutilDnsArguments{"--dns"};

// The text after the first ':' of the first line that, trimmed of spaces and tabs, begins with
// "nameserver[0]" and holds a ':'; the text is trimmed too, and IPv6 colons are kept.
std::optional<std::string> parseScutilFirstNameserver(std::string_view listing);

// Every server of the listing, repeats included: the text after the first ':' of each line that,
// trimmed of spaces and tabs, begins with "nameserver["; trimmed too.
std::vector<std::string> parseScutilNameservers(std::string_view listing);

} // namespace macos
