#pragma once

#include "core/TimePoint.h"

#include <optional>
#include <string>

// One minute of the timeline as stored: a missing value was not measured (no ping answered, no
// lookup ran), which is not the same as zero.
struct TimelineSample {
    TimePoint time{};
    std::string ssid;
    std::optional<std::string> bssid;
    std::optional<int> rssi;
    int score = 0;
    std::optional<double> routerLatency;   // ms
    std::optional<double> internetLatency; // ms
    std::optional<double> internetLoss;    // percent
    std::optional<double> dnsTime;         // ms
    double downloadBytesPerSecond = 0.0;
    double uploadBytesPerSecond = 0.0;

    bool operator==(const TimelineSample&) const = default;
};

enum class TimelineEventKind {
    offline,
    online,
    captivePortal,
    roaming,
    dnsServersChanged,
    monitoringStarted,
    monitoringStopped,
    speedTest,
};

// Something that happened at one moment. The access-point fields are filled for a roam only; `note`
// carries the figures of an event that has some (a speed test's rates and latency under load).
struct TimelineEvent {
    TimePoint time{};
    TimelineEventKind kind = TimelineEventKind::offline;
    std::string ssid;
    std::optional<std::string> fromBSSID;
    std::optional<std::string> toBSSID;
    std::optional<int> rssiBefore;
    std::optional<int> rssiAfter;
    std::string note;

    bool operator==(const TimelineEvent&) const = default;
};
