#include "probes/LoadedLatency.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct GradeRow {
    LatencyGrade grade;
    // The grade holds below this many added milliseconds.
    double below;
    std::string_view text;
    Tone tone;
};

constexpr std::array<GradeRow, 6> kGrades{{
    {LatencyGrade::aPlus, 5.0, "A+", Tone::green},
    {LatencyGrade::a, 30.0, "A", Tone::green},
    {LatencyGrade::b, 60.0, "B", Tone::yellow},
    {LatencyGrade::c, 200.0, "C", Tone::orange},
    {LatencyGrade::d, 400.0, "D", Tone::red},
    {LatencyGrade::f, INFINITY, "F", Tone::red},
}};

const GradeRow& rowOf(LatencyGrade grade) {
    for (const GradeRow& row : kGrades)
        if (row.grade == grade)
            return row;
    return kGrades.back();
}

} // namespace

std::string_view rawValue(LatencyGrade grade) {
    return rowOf(grade).text;
}

Tone tone(LatencyGrade grade) {
    return rowOf(grade).tone;
}

LatencyGrade latencyGradeFor(double addedMilliseconds) {
    for (const GradeRow& row : kGrades)
        if (addedMilliseconds < row.below)
            return row.grade;
    // Only NaN gets here: no comparison holds for it, and an unknown delay is no good sign.
    return LatencyGrade::f;
}

PhaseLatency summarizePings(const std::vector<std::optional<double>>& pings) {
    PhaseLatency phase;
    std::vector<double> answered;
    for (const auto& ping : pings) {
        ++phase.sent;
        if (ping && std::isfinite(*ping))
            answered.push_back(*ping);
        else
            ++phase.lost;
    }
    if (answered.empty())
        return phase;
    std::sort(answered.begin(), answered.end());
    const std::size_t middle = answered.size() / 2;
    phase.median =
        answered.size() % 2 == 1 ? answered[middle] : (answered[middle - 1] + answered[middle]) / 2.0;
    return phase;
}

std::optional<double> LoadedLatency::addedLatency() const {
    if (!idle.median)
        return std::nullopt;
    std::optional<double> added;
    for (const PhaseLatency* loaded : {&download, &upload})
        if (loaded->median)
            added = std::max(added.value_or(-INFINITY), *loaded->median - *idle.median);
    return added;
}

std::optional<LatencyGrade> LoadedLatency::grade() const {
    const auto added = addedLatency();
    if (!added)
        return std::nullopt;
    return latencyGradeFor(*added);
}

std::string underLoadText(const LoadedLatency& latency) {
    const auto added = latency.addedLatency();
    if (!added)
        return latency.idle.sent + latency.download.sent + latency.upload.sent == 0
                   ? "Under load: not measured"
                   : "Under load: no answer to the pings";
    // Whole milliseconds, truncated; a load that happened to make pings quicker added nothing.
    const long shown = std::max(0L, static_cast<long>(std::trunc(*added)));
    return "Under load: +" + std::to_string(shown) + " ms \u00b7 " +
           std::string(rawValue(latencyGradeFor(*added)));
}
