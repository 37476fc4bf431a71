#pragma once

#include "core/TimePoint.h"

#include <optional>

// Calendar arithmetic in the user's local time zone (the TZ rules of the C library), so that days
// begin at local midnight and daylight-saving shifts are honoured.
namespace localcalendar {

// Local midnight starting the day that contains the time; absent when the C library cannot tell.
std::optional<TimePoint> startOfDay(TimePoint time);
bool isSameDay(TimePoint a, TimePoint b);
// The same local wall-clock time the given number of calendar days earlier.
std::optional<TimePoint> daysBefore(TimePoint time, int days);

} // namespace localcalendar
