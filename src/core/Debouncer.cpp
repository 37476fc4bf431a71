#include "core/Debouncer.h"

#include "platform/Clock.h"

Debouncer::Debouncer(std::chrono::milliseconds quietTime, std::chrono::milliseconds maximumWait,
                     const Clock& clock, std::function<void()> action, QObject* parent)
    : QObject(parent), m_clock(clock), m_quietTime(quietTime), m_maximumWait(maximumWait),
      m_action(std::move(action)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_firstTrigger.reset();
        m_action();
    });
}

void Debouncer::trigger() {
    const auto now = m_clock.steadyNow();
    if (!m_firstTrigger)
        m_firstTrigger = now;
    // Overdue: run on the next turn of the event loop, never inside the caller.
    const bool overdue = now - *m_firstTrigger >= m_maximumWait;
    m_timer.start(overdue ? std::chrono::milliseconds(0) : m_quietTime);
}
