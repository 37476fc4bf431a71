#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <functional>

class QObject;

// A clock that can also run something later. The widgets that count time (messages that go away,
// "5 minutes ago") take one, so tests can move time by hand.
class Scheduler : public Clock {
public:
    // Runs `task` once, `delay` from now, unless `context` is gone by then.
    virtual void runAfter(std::chrono::milliseconds delay, const QObject* context,
                          std::function<void()> task) = 0;
};

// The event loop's timers with `clock`'s time.
class EventLoopScheduler final : public Scheduler {
public:
    explicit EventLoopScheduler(const Clock& clock) : m_clock(clock) {}

    TimePoint now() const override { return m_clock.now(); }
    void runAfter(std::chrono::milliseconds delay, const QObject* context,
                  std::function<void()> task) override;

private:
    const Clock& m_clock;
};
