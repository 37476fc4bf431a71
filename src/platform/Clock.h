#pragma once

#include <chrono>

// Wall-clock time for rules that depend on it (rate limits, calendar days, check intervals),
// injectable so tests never sleep.
using TimePoint = std::chrono::system_clock::time_point;

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
};

class SystemClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::system_clock::now(); }
};
