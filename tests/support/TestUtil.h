#pragma once

#include <QTest>

#include <chrono>

// Runs the event loop until the condition holds or the time runs out; answers the condition.
template <typename Predicate>
bool waitUntil(Predicate condition, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return QTest::qWaitFor(condition, static_cast<int>(limit.count()));
}

// Runs the event loop for a fixed time, for checks that something did not happen.
inline void spinFor(std::chrono::milliseconds duration) {
    QTest::qWait(static_cast<int>(duration.count()));
}
