#include "views/kit/Scheduler.h"

#include <QTimer>

void EventLoopScheduler::runAfter(std::chrono::milliseconds delay, const QObject* context,
                                  std::function<void()> task) {
    QTimer::singleShot(delay, context, std::move(task));
}
