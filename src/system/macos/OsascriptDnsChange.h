#pragma once

#include <string>
#include <string_view>
#include <vector>

// How macOS changes a network service's DNS servers: networksetup inside an AppleScript that asks
// for administrator rights with the system's own password prompt.
namespace macos {

inline constexpr std::string_view osascriptPath = "/usr/bin/osascript";

// Backslashes doubled first, then double quotes escaped, for an AppleScript string literal.
std::string escapeForAppleScript(std::string_view text);

// The script for `-e`: networksetup -setdnsservers with the quoted service name and the servers
// ("Empty" for none, which returns to the servers the network supplies), run with administrator
// privileges under a prompt naming the preset.
std::string dnsChangeScript(std::string_view serviceName, const std::vector<std::string>& servers,
                            std::string_view presetName);

// The tool's output when the user dismissed the password prompt.
bool isCancelledOutput(std::string_view output);

} // namespace macos
