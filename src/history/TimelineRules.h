#pragma once

#include "diagnosis/Roaming.h"
#include "history/TimelineRecord.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSServer.h"
#include "probes/SpeedTestResult.h"
#include "reports/ReportText.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace timeline {

// How long rows are kept, and how often the old ones are cleared out.
inline constexpr std::chrono::hours retention{24 * 30};
inline constexpr std::chrono::hours pruneInterval{24};
// One sample a minute while monitoring.
inline constexpr std::chrono::seconds sampleInterval{60};
// The file keeps the samples summed per slot of this length, so the long views read few rows.
inline constexpr std::chrono::minutes slotLength{10};
// Rows more than this ahead of the clock were stamped by a clock that was wrong at the time.
inline constexpr std::chrono::hours clockSlack{24};
// The longest latency or lookup time a real connection gives (the ping tool waits two seconds); a
// stored reading beyond it, below zero or not finite is damage, not a measurement.
inline constexpr double longestPlausibleMilliseconds = 60'000.0;
// The chart shows at most this many points, whatever the range.
inline constexpr int chartPoints = 1440;

// The stored row for the state as it stands. Latency and loss count only when the window holds
// samples; a failed lookup has no DNS time.
TimelineSample sampleFromState(const DiagnosticReportInput& state, TimePoint now);

// The reachability event between two captive-portal results, if any: losing the internet, getting
// it back, or meeting a sign-in page. A check that could not decide ("unknown") changes nothing.
std::optional<TimelineEventKind> reachabilityEvent(const CaptivePortalStatus& before,
                                                   const CaptivePortalStatus& after);

// The system's resolvers changed: both lists known (non-empty) and their addresses differ.
bool dnsServersChanged(const std::vector<DNSServer>& before, const std::vector<DNSServer>& after);

TimelineEvent roamingEvent(const RoamingEvent& roam, TimePoint now);
// A finished speed test: its rates and what the load did to latency, in the event's note.
TimelineEvent speedTestEvent(const SpeedTestResult& result, std::string ssid);
// An event without access-point details.
TimelineEvent plainEvent(TimelineEventKind kind, TimePoint now, std::string ssid = {});

// What a prune keeps: the rows from `keepFrom` on, and up to `keepUntil` when that is set.
struct PruneBounds {
    TimePoint keepFrom{};
    std::optional<TimePoint> keepUntil;

    bool operator==(const PruneBounds&) const = default;
};

// Pruning runs on the first open, then once a day; a clock set back also counts as due.
bool pruneDue(std::optional<TimePoint> lastPrune, TimePoint now);
// The rows a prune keeps. The clock is believed only once it has kept its time through a whole
// prune interval, so a clock that jumps cannot empty the file: rows go when they are past the
// retention both before now and before the newest row, and a day after the last prune at the most.
// Rows more than a day ahead of a clock that has moved forward since the last prune were stamped
// by a wrong clock and go as well.
PruneBounds pruneBounds(TimePoint now, std::optional<TimePoint> lastPrune,
                        std::optional<TimePoint> newestRow);

// The time a row is stored under: the clock's, except that the rows of one run never go back in
// time. After the clock is set back by up to a day they carry on from the previous row by the time
// that really passed (`sincePrevious`, on a clock that cannot be set); a clock set back further is
// believed at once.
TimePoint rowTime(TimePoint now, std::optional<TimePoint> previous, std::chrono::nanoseconds sincePrevious);
// Where the timeline ends for a reader: now, or the newest row when a clock set back left it ahead
// of now by no more than a day.
TimePoint timelineEnd(TimePoint now, std::optional<TimePoint> newestRow);

// The sample as a chart may draw it: readings no connection could give (see
// longestPlausibleMilliseconds, loss outside 0-100 %, a signal outside -127-0 dBm) are left out.
TimelineSample plottable(TimelineSample sample);

// Seconds per chart point for a range: a minute (the row spacing) up to a day, else whole ten-minute
// slots.
std::chrono::seconds bucketWidth(std::chrono::seconds range);

// The timeline's words for an event, e.g. "Roamed to another access point".
std::string_view eventTitle(TimelineEventKind kind);
// The details line of an event (the access points and signals of a roam), or empty.
std::string eventDetails(const TimelineEvent& event);
// Stable name stored in the database.
std::string_view storedName(TimelineEventKind kind);
std::optional<TimelineEventKind> eventKindFromStoredName(std::string_view name);

// The comma-separated export of a range, with the number formats of the history export.
std::string timelineText(const std::vector<TimelineSample>& samples, const std::vector<TimelineEvent>& events,
                         TimePoint exportedAt);

} // namespace timeline
