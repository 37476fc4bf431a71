#pragma once

#include <optional>
#include <string_view>

// Which transfer of a speed test is running; the raw value is the display name.
enum class SpeedTestPhase { download, upload };

std::string_view rawValue(SpeedTestPhase phase);
std::optional<SpeedTestPhase> speedTestPhaseFromRawValue(std::string_view text);
