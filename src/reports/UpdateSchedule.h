#pragma once

#include "core/TimePoint.h"

#include <chrono>
#include <optional>

// Whether a check for updates fetches the manifest: always when `force`d; otherwise only when no check
// has succeeded yet or `interval` has passed since the last one (`lastCheck`). A last check that lies
// ahead of `now` counts as less than an interval ago.
bool updateCheckDue(std::optional<TimePoint> lastCheck, TimePoint now, bool force,
                    std::chrono::milliseconds interval);
