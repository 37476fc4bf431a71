#pragma once

#include "core/TimePoint.h"
#include "history/TimelineRules.h"

#include <QString>
#include <QVariant>

#include <chrono>
#include <cmath>
#include <optional>
#include <string>

// How the timeline's values sit in its file: times as whole seconds since the epoch, slots of sums by
// their number since the epoch, a value that was not measured as NULL.
namespace timeline_columns {

// The slot length as the statements bind it.
inline constexpr qint64 slotSeconds = std::chrono::seconds(timeline::slotLength).count();

inline qint64 seconds(TimePoint time) {
    return std::chrono::floor<std::chrono::seconds>(time.time_since_epoch()).count();
}

inline TimePoint timeOf(qint64 secondsSinceEpoch) {
    return TimePoint(std::chrono::seconds(secondsSinceEpoch));
}

inline qint64 slotOf(TimePoint time) {
    return seconds(time) / slotSeconds;
}

template <typename T> QVariant nullable(const std::optional<T>& value) {
    if (!value)
        return QVariant();
    if constexpr (std::is_same_v<T, std::string>)
        return QVariant(QString::fromStdString(*value));
    else
        return QVariant(*value);
}

inline std::optional<double> optionalDouble(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

inline std::optional<int> optionalInt(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return static_cast<int>(std::lround(value.toDouble()));
}

inline std::optional<std::string> optionalText(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toString().toStdString();
}

} // namespace timeline_columns
