#pragma once

#include "core/ConnectionQuality.h"
#include "core/PingStatistics.h"
#include "core/WiFiInfo.h"
#include "probes/BandwidthSpeed.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSResult.h"
#include "probes/SpeedTestResult.h"

#include <optional>
#include <string>
#include <string_view>

// The measurements as they stand, for monitoring systems that scrape them.
struct MetricsInput {
    std::optional<WiFiInfo> wifi;
    // None until the first score has been worked out.
    std::optional<ConnectionQuality> quality;
    PingStatistics router;
    PingStatistics internet;
    std::optional<DNSResult> dns;
    BandwidthSpeed throughput;
    CaptivePortalStatus portal;
    std::optional<SpeedTestResult> speedTest;
    std::string version;
};

// The Prometheus text exposition (version 0.0.4): each family with its help and type lines, values
// in base units (seconds, bytes per second, ratios). A value that is not known is left
// out rather than shown as zero.
std::string metricsExposition(const MetricsInput& input);

// A label value as the format wants it: valid UTF-8 (anything else becomes U+FFFD), with backslash,
// double quote and line feed escaped.
std::string labelValue(std::string_view raw);
