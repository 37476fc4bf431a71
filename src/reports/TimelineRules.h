#pragma once

#include "diagnosis/Roaming.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSServer.h"
#include "probes/SpeedTestResult.h"
#include "reports/ReportText.h"
#include "reports/TimelineRecord.h"

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

// Rows older than this are removed.
TimePoint pruneCutoff(TimePoint now);
// Pruning runs on the first open, then once a day; a clock set back also counts as due.
bool pruneDue(std::optional<TimePoint> lastPrune, TimePoint now);

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
