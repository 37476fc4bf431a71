#include "probes/LoadedLatency.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
LoadedLatency withMedians(std::optional<double> idle, std::optional<double> download,
                          std::optional<double> upload) {
    LoadedLatency latency;
    latency.idle = {idle, 10, idle ? 0 : 10};
    latency.download = {download, 20, download ? 0 : 20};
    latency.upload = {upload, 20, upload ? 0 : 20};
    return latency;
}
} // namespace

TEST(LatencyGrade, EachBoundaryBelongsToTheGradeAbove) {
    const struct {
        double added;
        LatencyGrade grade;
    } cases[] = {
        {-12.0, LatencyGrade::aPlus}, {0.0, LatencyGrade::aPlus},  {4.999, LatencyGrade::aPlus},
        {5.0, LatencyGrade::a},       {29.999, LatencyGrade::a},   {30.0, LatencyGrade::b},
        {59.999, LatencyGrade::b},    {60.0, LatencyGrade::c},     {199.999, LatencyGrade::c},
        {200.0, LatencyGrade::d},     {399.999, LatencyGrade::d},  {400.0, LatencyGrade::f},
        {5000.0, LatencyGrade::f},    {INFINITY, LatencyGrade::f}, {NAN, LatencyGrade::f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(latencyGradeFor(c.added), c.grade) << c.added;
    EXPECT_EQ(rawValue(LatencyGrade::aPlus), "A+");
    EXPECT_EQ(rawValue(LatencyGrade::f), "F");
}

TEST(LatencyGrade, MedianOfTheAnsweredPingsWithLostOnesCountedApart) {
    EXPECT_EQ(summarizePings({}), (PhaseLatency{std::nullopt, 0, 0}));
    EXPECT_EQ(summarizePings({30.0, std::nullopt, 10.0, 20.0}), (PhaseLatency{20.0, 4, 1}));
    // An even count takes the mean of the middle two.
    EXPECT_EQ(summarizePings({40.0, 10.0, 30.0, 20.0}), (PhaseLatency{25.0, 4, 0}));
    EXPECT_EQ(summarizePings({std::nullopt, std::nullopt}), (PhaseLatency{std::nullopt, 2, 2}));
}

TEST(LatencyGrade, TheWorseDirectionDecides) {
    EXPECT_EQ(withMedians(15.0, 53.5, 20.0).addedLatency(), 38.5);
    EXPECT_EQ(withMedians(15.0, 20.0, 75.0).addedLatency(), 60.0);
    EXPECT_EQ(withMedians(15.0, 20.0, 75.0).grade(), LatencyGrade::c);
    // One direction without answers leaves the other to decide.
    EXPECT_EQ(withMedians(15.0, std::nullopt, 19.0).addedLatency(), 4.0);
    // Quicker under load (noise) is a negative figure, and the best grade.
    EXPECT_EQ(withMedians(15.0, 12.0, 11.0).addedLatency(), -3.0);
    EXPECT_EQ(withMedians(15.0, 12.0, 11.0).grade(), LatencyGrade::aPlus);
}

TEST(LatencyGrade, NoGradeWithoutAnIdleFigureOrAnswersUnderLoad) {
    EXPECT_EQ(withMedians(std::nullopt, 50.0, 50.0).grade(), std::nullopt);
    EXPECT_EQ(withMedians(15.0, std::nullopt, std::nullopt).grade(), std::nullopt);
    EXPECT_EQ(LoadedLatency{}.grade(), std::nullopt);
}

TEST(LatencyGrade, UnderLoadLine) {
    EXPECT_EQ(underLoadText(withMedians(15.0, 53.9, 20.0)), "Under load: +38 ms \u00b7 B");
    EXPECT_EQ(underLoadText(withMedians(15.0, 12.0, 11.0)), "Under load: +0 ms \u00b7 A+");
    EXPECT_EQ(underLoadText(withMedians(10.0, 900.0, 20.0)), "Under load: +890 ms \u00b7 F");
    EXPECT_EQ(underLoadText(withMedians(std::nullopt, 53.0, 20.0)), "Under load: no answer to the pings");
    EXPECT_EQ(underLoadText(LoadedLatency{}), "Under load: not measured");
}
