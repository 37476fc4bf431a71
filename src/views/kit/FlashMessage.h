#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <optional>

class Scheduler;

// A message shown for a while and then taken away, such as "Copied!". Each time a message is shown it
// is taken away `duration` later, unless a different message has been shown in the meantime: that one
// keeps its own time. Showing the same message again therefore does not make it last longer.
class FlashMessage final : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultDuration{2000};

    explicit FlashMessage(Scheduler& scheduler, std::chrono::milliseconds duration = defaultDuration,
                          QObject* parent = nullptr);

    void show(const QString& message);
    const std::optional<QString>& message() const { return m_message; }

signals:
    void changed(const std::optional<QString>& message);

private:
    void set(std::optional<QString> message);

    Scheduler& m_scheduler;
    std::chrono::milliseconds m_duration;
    std::optional<QString> m_message;
};
