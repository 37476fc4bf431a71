#pragma once

#include "platform/Clock.h"

// A clock that moves only when the test says so. `advance` is time passing; `set` is the wall clock
// being changed, which steady time does not notice.
class ManualClock final : public Clock {
public:
    explicit ManualClock(TimePoint start = TimePoint(std::chrono::seconds(1'800'000'000))) : m_now(start) {}
    TimePoint now() const override { return m_now; }
    std::chrono::steady_clock::time_point steadyNow() const override { return m_steady; }
    void set(TimePoint t) { m_now = t; }
    void advance(std::chrono::system_clock::duration d) {
        m_now += d;
        m_steady += std::chrono::duration_cast<std::chrono::steady_clock::duration>(d);
    }

private:
    TimePoint m_now;
    std::chrono::steady_clock::time_point m_steady{};
};
