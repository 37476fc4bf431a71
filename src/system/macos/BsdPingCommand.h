#pragma once

#include <string>
#include <string_view>
#include <vector>

// The ping command line of macOS: one echo request, the whole run limited to 2 seconds. Its output
// is read with parsePingTime, like the Linux tool's.
namespace macos {

inline constexpr std::string_view pingPath = "/sbin/ping";

inline std::vector<std::string> pingArguments(const std::string& host) {
    return {"-c", "1", "-t", "2", host};
}

} // namespace macos
