#include "viewmodel/MenuBarText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// Whole milliseconds, truncated; nothing for a latency that is not a number a label can show.
std::optional<std::int64_t> wholeMilliseconds(std::optional<double> latency) {
    // 2^63 is the first double past the 64-bit range.
    if (!latency || !std::isfinite(*latency) || *latency <= -9.2233720368547758e18 ||
        *latency >= 9.2233720368547758e18)
        return std::nullopt;
    return static_cast<std::int64_t>(*latency);
}

std::optional<std::string> latencyText(std::optional<double> latency) {
    if (const auto milliseconds = wholeMilliseconds(latency))
        return std::to_string(*milliseconds) + "ms";
    return std::nullopt;
}

// The compact rate, with the hundreds of kilobytes as a tenth of a megabyte so it fits in an icon.
std::string iconRate(double bytesPerSecond) {
    std::string text = compactRate(bytesPerSecond);
    if (text.size() > 3 && text.back() == 'K') {
        char tenths[16];
        std::snprintf(tenths, sizeof tenths, "%.1fM", bytesPerSecond / 1'000'000.0);
        text = tenths;
    }
    return text;
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

std::string compactCount(std::int64_t count) {
    if (count < 0)
        return "0";
    if (count < 1000)
        return std::to_string(count);
    if (count < 1'000'000)
        return std::to_string(count / 1000) + "k";
    if (count < 1'000'000'000)
        return std::to_string(count / 1'000'000) + "M";
    return std::to_string(std::min<std::int64_t>(count / 1'000'000'000, 999)) + "G";
}

std::optional<std::string> iconValueText(const MenuBarTextInput& input) {
    if (!input.showText)
        return std::nullopt;
    switch (input.mode) {
    case MenuBarDisplayMode::icon:
        return std::nullopt;
    case MenuBarDisplayMode::ping:
        if (const auto milliseconds = wholeMilliseconds(input.internetLatency))
            return compactCount(*milliseconds);
        return std::nullopt;
    case MenuBarDisplayMode::quality:
    case MenuBarDisplayMode::pingAndQuality:
        return compactCount(input.score);
    case MenuBarDisplayMode::bandwidth:
        return iconRate(input.speed.downloadBytesPerSecond);
    }
    return std::nullopt;
}
