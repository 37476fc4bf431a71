#include "diagnosis/LocalCalendar.h"

#include <ctime>

namespace localcalendar {
namespace {

std::optional<std::tm> localParts(TimePoint time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm parts{};
    if (localtime_r(&seconds, &parts) == nullptr)
        return std::nullopt;
    return parts;
}

std::optional<TimePoint> fromLocalParts(std::tm parts) {
    parts.tm_isdst = -1; // let the C library decide whether daylight saving applies
    const std::time_t seconds = std::mktime(&parts);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return std::chrono::system_clock::from_time_t(seconds);
}

} // namespace

std::optional<TimePoint> startOfDay(TimePoint time) {
    auto parts = localParts(time);
    if (!parts)
        return std::nullopt;
    parts->tm_hour = 0;
    parts->tm_min = 0;
    parts->tm_sec = 0;
    return fromLocalParts(*parts);
}

bool isSameDay(TimePoint a, TimePoint b) {
    const auto first = localParts(a);
    const auto second = localParts(b);
    return first && second && first->tm_year == second->tm_year && first->tm_yday == second->tm_yday;
}

std::optional<TimePoint> daysBefore(TimePoint time, int days) {
    auto parts = localParts(time);
    if (!parts)
        return std::nullopt;
    parts->tm_mday -= days;
    // Keep the sub-second part that to_time_t dropped.
    const auto fraction =
        time - std::chrono::system_clock::from_time_t(std::chrono::system_clock::to_time_t(time));
    const auto moved = fromLocalParts(*parts);
    if (!moved)
        return std::nullopt;
    return *moved + fraction;
}

} // namespace localcalendar
