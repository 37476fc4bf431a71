#pragma once

#include <string>
#include <string_view>
#include <vector>

// The iputils ping command line: numeric output, one echo request, at most 2 seconds waiting for
// its reply. "-W" rather than "-w": a deadline would make ping send further requests until it
// expires.
namespace iputils {

inline constexpr std::string_view pingPath = "/usr/bin/ping";

inline std::vector<std::string> pingArguments(const std::string& host) {
    return {"-n", "-c", "1", "-W", "2", host};
}

} // namespace iputils
