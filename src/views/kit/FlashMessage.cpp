#include "views/kit/FlashMessage.h"

#include "views/kit/Scheduler.h"

FlashMessage::FlashMessage(Scheduler& scheduler, std::chrono::milliseconds duration, QObject* parent)
    : QObject(parent), m_scheduler(scheduler), m_duration(duration) {}

void FlashMessage::show(const QString& message) {
    set(message);
    m_scheduler.runAfter(m_duration, this, [this, message] {
        if (m_message == message)
            set(std::nullopt);
    });
}

void FlashMessage::set(std::optional<QString> message) {
    if (message == m_message)
        return;
    m_message = std::move(message);
    emit changed(m_message);
}
