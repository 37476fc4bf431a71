#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class Clock;

// Trailing-edge debounce: the action runs once the triggers have been quiet for the given time,
// so a burst of changes produces one computation with the latest values. A stream of triggers that
// never falls quiet still runs it once the maximum wait (on the clock's steady time) has passed
// since the first trigger of the stream.
class Debouncer final : public QObject {
    Q_OBJECT

public:
    Debouncer(std::chrono::milliseconds quietTime, std::chrono::milliseconds maximumWait, const Clock& clock,
              std::function<void()> action, QObject* parent = nullptr);

    void trigger();

private:
    const Clock& m_clock;
    std::chrono::milliseconds m_quietTime;
    std::chrono::milliseconds m_maximumWait;
    std::optional<std::chrono::steady_clock::time_point> m_firstTrigger;
    QTimer m_timer;
    std::function<void()> m_action;
};
