#pragma once

#include "core/TimePoint.h"

// Wall-clock time for rules that depend on it (rate limits, calendar days, check intervals, sample
// stamps), injectable so tests never sleep.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
};

class SystemClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::system_clock::now(); }
};
