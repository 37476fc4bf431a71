#include "reports/UpdateSchedule.h"

bool updateCheckDue(std::optional<TimePoint> lastCheck, TimePoint now, bool force,
                    std::chrono::milliseconds interval) {
    return force || !lastCheck || now - *lastCheck >= interval;
}
