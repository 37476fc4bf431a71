#include "viewmodel/MenuBarText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// Whole milliseconds, truncated; nothing for a latency that is not a number a label can show.
std::optional<std::string> latencyText(std::optional<double> latency) {
    // 2^63 is the first double past the 64-bit range.
    if (!latency || !std::isfinite(*latency) || *latency <= -9.2233720368547758e18 ||
        *latency >= 9.2233720368547758e18)
        return std::nullopt;
    return std::to_string(static_cast<std::int64_t>(*latency)) + "ms";
}

} // namespace

std::string compactRate(double bytesPerSecond) {
    char text[512]; // room for the largest double in full
    if (bytesPerSecond >= 1'000'000.0)
        std::snprintf(text, sizeof text, "%.0fM", bytesPerSecond / 1'000'000.0);
    else if (bytesPerSecond >= 1'000.0)
        std::snprintf(text, sizeof text, "%.0fK", bytesPerSecond / 1'000.0);
    else
        return "0";
    return text;
}

std::optional<std::string> menuBarText(const MenuBarTextInput& input) {
    if (!input.showText)
        return std::nullopt;
    const std::string score = std::to_string(input.score);
    switch (input.mode) {
    case MenuBarDisplayMode::icon:
        return std::nullopt;
    case MenuBarDisplayMode::ping:
        return latencyText(input.internetLatency);
    case MenuBarDisplayMode::quality:
        return score;
    case MenuBarDisplayMode::bandwidth:
        return "↓" + compactRate(input.speed.downloadBytesPerSecond) + " ↑" +
               compactRate(input.speed.uploadBytesPerSecond);
    case MenuBarDisplayMode::pingAndQuality:
        if (const auto latency = latencyText(input.internetLatency))
            return *latency + " • " + score;
        return score;
    }
    return std::nullopt;
}
