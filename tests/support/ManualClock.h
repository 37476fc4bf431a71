#pragma once

#include "platform/Clock.h"

// A clock that moves only when the test says so.
class ManualClock final : public Clock {
public:
    explicit ManualClock(TimePoint start = TimePoint(std::chrono::seconds(1'800'000'000))) : m_now(start) {}
    TimePoint now() const override { return m_now; }
    void set(TimePoint t) { m_now = t; }
    void advance(std::chrono::system_clock::duration d) { m_now += d; }

private:
    TimePoint m_now;
};
