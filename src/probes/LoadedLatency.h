#pragma once

#include "core/Tone.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How much a busy link slows everything else down: pings while the speed test's transfers run,
// compared with pings just before. A queue that fills under load (bufferbloat) shows here long before
// a plain ping does.

// A-plus to F, by the latency the load added.
enum class LatencyGrade { aPlus, a, b, c, d, f };

// "A+", "A", "B", "C", "D", "F".
std::string_view rawValue(LatencyGrade grade);
// A+ below 5 ms, A below 30, B below 60, C below 200, D below 400, F from 400 on.
LatencyGrade latencyGradeFor(double addedMilliseconds);
// The colour the grade is painted in: green, yellow, orange or red.
Tone tone(LatencyGrade grade);

// The pings of one stretch of the test. A lost ping is counted, never averaged in as a time.
struct PhaseLatency {
    // Median round trip of the answered pings, in milliseconds; none when no ping was answered.
    std::optional<double> median;
    int sent = 0;
    int lost = 0;

    bool operator==(const PhaseLatency&) const = default;
};

// Each entry one ping: its round trip in milliseconds, or none when it was lost.
PhaseLatency summarizePings(const std::vector<std::optional<double>>& pings);

struct LoadedLatency {
    // Just before the download starts, while the download runs, while the upload runs.
    PhaseLatency idle;
    PhaseLatency download;
    PhaseLatency upload;

    // The larger of download minus idle and upload minus idle, in milliseconds; none without an idle
    // figure or without an answered ping under load.
    std::optional<double> addedLatency() const;
    std::optional<LatencyGrade> grade() const;

    bool operator==(const LoadedLatency&) const = default;
};

// The card's and the summary's line: "Under load: +38 ms · B", or why there is no figure.
std::string underLoadText(const LoadedLatency& latency);
