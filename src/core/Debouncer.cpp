#include "core/Debouncer.h"

Debouncer::Debouncer(std::chrono::milliseconds quietTime, std::function<void()> action, QObject* parent)
    : QObject(parent), m_action(std::move(action)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(quietTime);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_action(); });
}

void Debouncer::trigger() { m_timer.start(); }
