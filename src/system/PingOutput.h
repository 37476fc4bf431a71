#pragma once

#include <optional>
#include <string_view>

// Round-trip time in milliseconds of the first match of time=(\d+\.?\d*)\s*ms in a ping tool's output, as
// printed
// ("time=0.045 ms" gives 0.045, "time=12ms" gives 12). None when no such text is found. The iputils
// and BSD ping tools print the same form.
std::optional<double> parsePingTime(std::string_view output);
