#include "probes/BandwidthSpeed.h"

#include <chrono>
#include <cstdio>

std::optional<BandwidthSpeed> speedBetween(const BandwidthReading& earlier, const BandwidthReading& later) {
    const double elapsed = std::chrono::duration<double>(later.timestamp - earlier.timestamp).count();
    if (elapsed <= 0.0)
        return std::nullopt;
    const auto growth = [](std::uint64_t before, std::uint64_t after) {
        return after > before ? static_cast<double>(after - before) : 0.0;
    };
    return BandwidthSpeed{growth(earlier.bytesIn, later.bytesIn) / elapsed,
                          growth(earlier.bytesOut, later.bytesOut) / elapsed};
}

std::string formatSpeed(double bytesPerSecond) {
    char text[512]; // room for the largest double in full
    if (bytesPerSecond >= 1'000'000.0)
        std::snprintf(text, sizeof text, "%.1f MB/s", bytesPerSecond / 1'000'000.0);
    else if (bytesPerSecond >= 1'000.0)
        std::snprintf(text, sizeof text, "%.0f KB/s", bytesPerSecond / 1'000.0);
    else
        std::snprintf(text, sizeof text, "%.0f B/s", bytesPerSecond);
    return text;
}
