#include "history/TimelineQueries.h"

#include "history/TimelineFiles.h"

using namespace std::chrono_literals;

namespace {

class TimelineQueriesTest : public TimelineTest {};

} // namespace

TEST_F(TimelineQueriesTest, WideBucketsAverageTheirRowsAndSkipMissingValues) {
    OpenTimeline timeline(path(), clock);
    const TimePoint base = TimePoint(std::chrono::seconds(1'800'000'000 - 1'800'000'000 % 600));
    timeline.writer.append(sampleAt(base, 80, 10.0));
    timeline.writer.append(sampleAt(base + 1min, 60, std::nullopt));
    timeline.writer.append(sampleAt(base + 2min, 70, 30.0));
    timeline.writer.append(sampleAt(base + 10min, 100, 5.0));
    const auto buckets = timeline.queries.samples(base, base + 20min, 10min);
    ASSERT_EQ(buckets.size(), 2u);
    EXPECT_EQ(buckets[0].time, base);
    EXPECT_EQ(buckets[0].score, 70);
    EXPECT_DOUBLE_EQ(*buckets[0].internetLatency, 20.0);
    EXPECT_NEAR(*buckets[0].internetLoss, 100.0 / 3, 1e-9);
    EXPECT_EQ(buckets[1].time, base + 10min);
    EXPECT_EQ(buckets[1].score, 100);
    // The range's end is exclusive.
    EXPECT_EQ(timeline.queries.samples(base, base + 10min, 60s).size(), 3u);
}
