#pragma once

#include "history/TimelineRecord.h"

#include <chrono>
#include <optional>
#include <vector>

class TimelineDatabase;

// The timeline's reads. Every read answers empty while the file is not open.
class TimelineQueries final {
public:
    explicit TimelineQueries(const TimelineDatabase& database) : m_database(database) {}

    // Samples in [from, to), averaged over `bucket`-long spans, oldest first. A one-minute bucket
    // gives the rows as stored; a multiple of the slot length reads the slot sums (whole slots).
    std::vector<TimelineSample> samples(TimePoint from, TimePoint to, std::chrono::seconds bucket) const;
    std::vector<TimelineEvent> events(TimePoint from, TimePoint to) const;
    // The time of the newest row at or before `notAfter`, if there is one.
    std::optional<TimePoint> newestTime(TimePoint notAfter = TimePoint::max()) const;

private:
    const TimelineDatabase& m_database;
};
