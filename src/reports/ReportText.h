#pragma once

#include "core/ConnectionQuality.h"
#include "core/PingStatistics.h"
#include "core/TimePoint.h"
#include "core/WiFiInfo.h"
#include "probes/DNSResult.h"
#include "probes/SpeedTestResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the diagnostic report is built from: the state as it stood when the user asked.
struct DiagnosticReportInput {
    std::optional<WiFiInfo> wifi;
    PingStatistics router;
    PingStatistics internet;
    std::optional<DNSResult> dns;
    ConnectionQuality quality;
    double downloadBytesPerSecond = 0.0;
    double uploadBytesPerSecond = 0.0;
    // The last speed test, for its latency under load; none before the first.
    std::optional<SpeedTestResult> speedTest;
};

// The recent histories, oldest first; the lists may differ in length.
struct HistoryInput {
    std::vector<double> routerPing;
    std::vector<double> internetPing;
    std::vector<double> dns;
    std::vector<double> download;
    std::vector<double> upload;
};

struct SummaryInput {
    std::optional<WiFiInfo> wifi;
    int score = 0;
    QualityRating rating = QualityRating::unknown;
    double routerAverage = 0.0;
    double internetAverage = 0.0;
    double internetLoss = 0.0;
    // From the last speed test, if one ran.
    std::optional<LoadedLatency> loadedLatency;
};

// The report and history files (comma-separated) and the clipboard summary, byte for byte.
std::string diagnosticReportText(const DiagnosticReportInput& input, TimePoint exportedAt);
std::string historyText(const HistoryInput& input, TimePoint exportedAt);
std::string summaryText(const SummaryInput& input);

// "Excellent" from -50 dBm, "Good" from -60, "Fair" from -70, "Weak" from -80, else "Poor".
std::string_view signalLabel(int rssi);
// A text field of the comma-separated files: quoted, with quotes inside doubled.
std::string quotedField(std::string_view text);
// The shortest decimal text that reads back as the same number, always with a fractional part.
std::string shortestDecimal(double value);
// `value` with exactly `decimals` digits after the point, as the files print measurements.
std::string fixedDecimal(double value, int decimals);
// UTC to the second with a trailing Z, as 2025-03-01T12:34:56Z.
std::string iso8601(TimePoint time);
// `base` + "-" + the local time as yyyy-MM-dd-HHmmss + ".csv".
std::string proposedFileName(std::string_view base, TimePoint time);
