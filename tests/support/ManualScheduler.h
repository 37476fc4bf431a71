#pragma once

#include "support/ManualClock.h"
#include "views/kit/Scheduler.h"

#include <QObject>
#include <QPointer>

#include <algorithm>
#include <cstdint>
#include <vector>

// Time that moves only when the test says so: advancing it runs each task whose moment it passes, at
// that moment and in order, tasks scheduled meanwhile included.
class ManualScheduler final : public Scheduler {
public:
    explicit ManualScheduler(ManualClock& clock) : m_clock(clock) {}

    TimePoint now() const override { return m_clock.now(); }

    void runAfter(std::chrono::milliseconds delay, const QObject* context,
                  std::function<void()> task) override {
        m_tasks.push_back({m_clock.now() + delay, m_scheduled++,
                           QPointer<QObject>(const_cast<QObject*>(context)), std::move(task)});
    }

    void advance(std::chrono::milliseconds step) {
        const TimePoint end = m_clock.now() + step;
        for (;;) {
            const auto due =
                std::min_element(m_tasks.begin(), m_tasks.end(), [](const Task& a, const Task& b) {
                    return a.when != b.when ? a.when < b.when : a.order < b.order;
                });
            if (due == m_tasks.end() || due->when > end)
                break;
            const Task task = *due;
            m_tasks.erase(due);
            m_clock.set(std::max(m_clock.now(), task.when));
            if (task.context)
                task.run();
        }
        m_clock.set(end);
    }

private:
    struct Task {
        TimePoint when;
        std::uint64_t order;
        QPointer<QObject> context;
        std::function<void()> run;
    };

    ManualClock& m_clock;
    std::vector<Task> m_tasks;
    std::uint64_t m_scheduled = 0;
};
