#include "history/TimelineRules.h"

#include "core/EnumTable.h"
#include "core/RuleText.h"

#include <algorithm>
#include <cmath>

namespace timeline {

namespace {

constexpr std::array<EnumText<TimelineEventKind>, 8> kStoredNames{{
    {TimelineEventKind::offline, "offline"},
    {TimelineEventKind::online, "online"},
    {TimelineEventKind::captivePortal, "captive_portal"},
    {TimelineEventKind::roaming, "roaming"},
    {TimelineEventKind::dnsServersChanged, "dns_changed"},
    {TimelineEventKind::monitoringStarted, "monitoring_started"},
    {TimelineEventKind::monitoringStopped, "monitoring_stopped"},
    {TimelineEventKind::speedTest, "speed_test"},
}};

std::string optionalField(const std::optional<double>& value, int decimals) {
    return value ? fixedDecimal(*value, decimals) : std::string();
}

template <typename T> std::optional<T> within(std::optional<T> value, double lowest, double highest) {
    if (value && (!std::isfinite(static_cast<double>(*value)) || *value < lowest || *value > highest))
        return std::nullopt;
    return value;
}

} // namespace

TimelineSample sampleFromState(const DiagnosticReportInput& state, TimePoint now) {
    TimelineSample sample;
    sample.time = now;
    if (state.wifi) {
        sample.ssid = state.wifi->ssid;
        sample.bssid = state.wifi->bssid;
        sample.rssi = state.wifi->rssi;
    }
    sample.score = state.quality.score;
    if (state.router.samplesCount > 0)
        sample.routerLatency = state.router.averageLatency;
    if (state.internet.samplesCount > 0) {
        sample.internetLatency = state.internet.averageLatency;
        sample.internetLoss = state.internet.packetLoss;
    }
    if (state.dns && state.dns->resolvedIP)
        sample.dnsTime = state.dns->lookupTime;
    sample.downloadBytesPerSecond = state.downloadBytesPerSecond;
    sample.uploadBytesPerSecond = state.uploadBytesPerSecond;
    return sample;
}

std::optional<TimelineEventKind> reachabilityEvent(const CaptivePortalStatus& before,
                                                   const CaptivePortalStatus& after) {
    using Kind = CaptivePortalStatus::Kind;
    if (after.kind() == before.kind() || after.kind() == Kind::unknown)
        return std::nullopt;
    switch (after.kind()) {
    case Kind::noInternet:
        return TimelineEventKind::offline;
    case Kind::captivePortal:
        return TimelineEventKind::captivePortal;
    case Kind::connected:
        // Reaching the internet is news only after it was missing or behind a sign-in page.
        if (before.kind() == Kind::noInternet || before.kind() == Kind::captivePortal)
            return TimelineEventKind::online;
        return std::nullopt;
    case Kind::unknown:
        break;
    }
    return std::nullopt;
}

bool dnsServersChanged(const std::vector<DNSServer>& before, const std::vector<DNSServer>& after) {
    if (before.empty() || after.empty())
        return false;
    return !std::equal(before.begin(), before.end(), after.begin(), after.end(),
                       [](const DNSServer& a, const DNSServer& b) { return a.address == b.address; });
}

TimelineEvent roamingEvent(const RoamingEvent& roam, TimePoint now) {
    return TimelineEvent{now,
                         TimelineEventKind::roaming,
                         roam.ssid,
                         roam.fromBSSID,
                         roam.toBSSID,
                         roam.rssiBefore,
                         roam.rssiAfter,
                         {}};
}

TimelineEvent speedTestEvent(const SpeedTestResult& result, std::string ssid) {
    TimelineEvent event = plainEvent(TimelineEventKind::speedTest, result.timestamp, std::move(ssid));
    event.note = fixedDecimal(result.downloadSpeed, 1) + " Mbps down, " +
                 fixedDecimal(result.uploadSpeed, 1) + " Mbps up. " + underLoadText(result.loadedLatency);
    return event;
}

TimelineEvent plainEvent(TimelineEventKind kind, TimePoint now, std::string ssid) {
    TimelineEvent event;
    event.time = now;
    event.kind = kind;
    event.ssid = std::move(ssid);
    return event;
}

bool pruneDue(std::optional<TimePoint> lastPrune, TimePoint now) {
    return !lastPrune || now < *lastPrune || now - *lastPrune >= pruneInterval;
}

PruneBounds pruneBounds(TimePoint now, std::optional<TimePoint> lastPrune,
                        std::optional<TimePoint> newestRow) {
    TimePoint believed = now;
    if (newestRow)
        believed = std::min(believed, *newestRow);
    if (lastPrune)
        believed = std::min(believed, *lastPrune + pruneInterval);
    PruneBounds bounds{believed - retention, std::nullopt};
    if (lastPrune && *lastPrune <= now)
        bounds.keepUntil = now + clockSlack;
    return bounds;
}

TimePoint rowTime(TimePoint now, std::optional<TimePoint> previous, std::chrono::nanoseconds sincePrevious) {
    if (!previous)
        return now;
    const TimePoint carried = *previous + std::chrono::duration_cast<TimePoint::duration>(sincePrevious);
    if (now >= carried || carried - now > clockSlack)
        return now;
    return carried;
}

TimePoint timelineEnd(TimePoint now, std::optional<TimePoint> newestRow) {
    if (newestRow && *newestRow > now && *newestRow - now <= clockSlack)
        return *newestRow;
    return now;
}

TimelineSample plottable(TimelineSample sample) {
    sample.routerLatency = within(sample.routerLatency, 0.0, longestPlausibleMilliseconds);
    sample.internetLatency = within(sample.internetLatency, 0.0, longestPlausibleMilliseconds);
    sample.dnsTime = within(sample.dnsTime, 0.0, longestPlausibleMilliseconds);
    sample.internetLoss = within(sample.internetLoss, 0.0, 100.0);
    sample.rssi = within(sample.rssi, -127.0, 0.0);
    return sample;
}

std::chrono::seconds bucketWidth(std::chrono::seconds range) {
    const auto width = std::max(sampleInterval, range / chartPoints);
    if (width <= sampleInterval)
        return width;
    // Wider spans are whole slots, which the file keeps summed.
    const auto slots = (width + slotLength - std::chrono::seconds(1)) / slotLength;
    return slots * slotLength;
}

std::string_view eventTitle(TimelineEventKind kind) {
    switch (kind) {
    case TimelineEventKind::offline:
        return QT_TRANSLATE_NOOP("TimelineEvent", "Internet connection lost");
    case TimelineEventKind::online:
        return QT_TRANSLATE_NOOP("TimelineEvent", "Internet connection back");
    case TimelineEventKind::captivePortal:
        return QT_TRANSLATE_NOOP("TimelineEvent", "Sign-in page detected");
    case TimelineEventKind::roaming:
        return kRoamedText;
    case TimelineEventKind::dnsServersChanged:
        return QT_TRANSLATE_NOOP("TimelineEvent", "DNS servers changed");
    case TimelineEventKind::monitoringStarted:
        return QT_TRANSLATE_NOOP("TimelineEvent", "Monitoring started");
    case TimelineEventKind::monitoringStopped:
        return QT_TRANSLATE_NOOP("TimelineEvent", "Monitoring stopped");
    case TimelineEventKind::speedTest:
        return QT_TRANSLATE_NOOP("TimelineEvent", "Speed test");
    }
    return {};
}

std::string eventDetails(const TimelineEvent& event) {
    if (!event.note.empty())
        return event.note;
    if (event.kind != TimelineEventKind::roaming)
        return event.ssid;
    std::string text = event.fromBSSID.value_or("?") + " \u2192 " + event.toBSSID.value_or("?");
    if (event.rssiBefore && event.rssiAfter)
        text +=
            ", " + std::to_string(*event.rssiBefore) + " \u2192 " + std::to_string(*event.rssiAfter) + " dBm";
    return text;
}

std::string_view storedName(TimelineEventKind kind) {
    return rawOf(kStoredNames, kind, {});
}

std::optional<TimelineEventKind> eventKindFromStoredName(std::string_view name) {
    return caseFromRaw(kStoredNames, name);
}

std::string timelineText(const std::vector<TimelineSample>& samples, const std::vector<TimelineEvent>& events,
                         TimePoint exportedAt) {
    std::string out = "Linkmeter Timeline Export\n";
    out += "Exported: " + iso8601(exportedAt) + "\n\n";
    out += "Time,SSID,BSSID,Signal (dBm),Score,Router Ping (ms),Internet Ping (ms),Packet Loss (%),DNS (ms),"
           "Download (B/s),Upload (B/s)\n";
    // Field by field onto the text; GCC 12 misreads `"," + std::string(...)` at -O2 (-Wrestrict).
    const auto field = [&out](const std::string& text) {
        out += ',';
        out += text;
    };
    for (const TimelineSample& s : samples) {
        out += iso8601(s.time);
        field(quotedField(s.ssid));
        field(s.bssid ? quotedField(*s.bssid) : std::string());
        field(s.rssi ? std::to_string(*s.rssi) : std::string());
        field(std::to_string(s.score));
        field(optionalField(s.routerLatency, 1));
        field(optionalField(s.internetLatency, 1));
        field(optionalField(s.internetLoss, 1));
        field(optionalField(s.dnsTime, 1));
        field(fixedDecimal(s.downloadBytesPerSecond, 0));
        field(fixedDecimal(s.uploadBytesPerSecond, 0));
        out += '\n';
    }
    out += "\nEvents\nTime,Event,Details\n";
    for (const TimelineEvent& e : events) {
        out += iso8601(e.time);
        field(quotedField(eventTitle(e.kind)));
        field(quotedField(eventDetails(e)));
        out += '\n';
    }
    return out;
}

} // namespace timeline
