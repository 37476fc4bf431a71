#pragma once

#include "core/TimePoint.h"
#include "diagnosis/NetworkInsight.h"
#include "diagnosis/NetworkMemory.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The remembered networks, keyed by SSID.
using NetworkMemories = std::map<std::string, NetworkMemory>;

namespace networkmemory {

inline constexpr int maxNetworks = 50;
inline constexpr int maxDaysHistory = 7;
// Networks not measured for this long are forgotten.
inline constexpr std::chrono::seconds maxAge{30 * 24 * 60 * 60};
// Below this many measurements the usual score means too little to compare against.
inline constexpr std::int64_t minimumMeasurements = 11;

// Adds one measurement, creating the network's entry when needed, and updates today's mean.
void record(NetworkMemories& memories, const std::string& ssid, int score, double latency, TimePoint now);

// Forgets stale networks, keeps the most recently seen ones, and trims the daily history to a week.
void prune(NetworkMemories& memories, TimePoint now);

std::optional<NetworkInsight> insight(const NetworkMemories& memories, const std::string& ssid,
                                      int currentScore);

// The stored form: a JSON object from SSID to history, dates as seconds since 2001-01-01 UTC.
std::string encode(const NetworkMemories& memories);
// Absent when the text is not JSON or does not have the stored layout.
std::optional<NetworkMemories> decode(std::string_view text);

} // namespace networkmemory
