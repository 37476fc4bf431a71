#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// Trailing-edge debounce: the action runs once the triggers have been quiet for the given time,
// so a burst of changes produces one computation with the latest values.
class Debouncer final : public QObject {
    Q_OBJECT

public:
    Debouncer(std::chrono::milliseconds quietTime, std::function<void()> action, QObject* parent = nullptr);

    void trigger();

private:
    QTimer m_timer;
    std::function<void()> m_action;
};
