#pragma once

#include "core/TimePoint.h"

// Wall-clock time for rules that depend on it (rate limits, calendar days, check intervals, sample
// stamps), injectable so tests never sleep. Steady time measures how long something took: it never
// jumps when the wall clock is set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    virtual std::chrono::steady_clock::time_point steadyNow() const {
        return std::chrono::steady_clock::now();
    }
};
