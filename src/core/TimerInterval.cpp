#include "core/TimerInterval.h"

#include <algorithm>
#include <climits>
#include <cmath>

std::chrono::milliseconds timerInterval(double seconds, double fallbackSeconds) {
    if (!std::isfinite(seconds) || seconds <= 0.0)
        seconds = fallbackSeconds;
    // Timers count in int milliseconds; a positive period never rounds down to a busy loop.
    const double milliseconds = std::clamp(std::round(seconds * 1000.0), 1.0, static_cast<double>(INT_MAX));
    return std::chrono::milliseconds(static_cast<long long>(milliseconds));
}
