#include "viewmodel/HistoryPresenter.h"

#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineWriter.h"
#include "reports/ExportService.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

class HistoryPresenterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ManualClock clock{TimePoint(1'800'000'000s + 30s)};
    TimelineDatabase database{dir.filePath("history.sqlite"), clock};
    TimelineWriter writer{database, clock};
    TimelineQueries timeline{database};
    FakeSaveDialog dialog;
    RecordingClipboard clipboard;
    ExportService exporter{dialog, clipboard, clock};

    void rowAt(TimePoint time, int score, std::optional<double> latency) {
        TimelineSample s;
        s.time = time;
        s.ssid = "Home";
        s.score = score;
        s.internetLatency = latency;
        s.internetLoss = latency ? 0.0 : 100.0;
        ASSERT_TRUE(writer.append(s));
    }
};

} // namespace

TEST(HistoryWindowTest, EndsAtTheEndOfTheTimelinesMinute) {
    const TimePoint now(1'800'000'000s + 30s);
    const auto day = historyWindow(HistoryRange::day, now, std::nullopt);
    EXPECT_EQ(day.to, TimePoint(1'800'000'000s + 60s));
    EXPECT_EQ(day.to - day.from, 24h);
    EXPECT_EQ(day.bucket, 60s);
    // On a whole minute the row just written (stamped now) still falls inside.
    EXPECT_EQ(historyWindow(HistoryRange::day, TimePoint(1'800'000'000s), std::nullopt).to,
              TimePoint(1'800'000'060s));

    const auto month = historyWindow(HistoryRange::month, now, std::nullopt);
    EXPECT_EQ(month.to - month.from, 24h * 30);
    // Long ranges draw whole ten-minute slots.
    EXPECT_GT(month.bucket, 60s);
    EXPECT_EQ(month.bucket % 600s, 0s);

    // Rows left ahead by a clock set back an hour keep the end; a row days ahead does not.
    EXPECT_EQ(historyWindow(HistoryRange::week, now, now + 50min).to, TimePoint(1'800'000'000s + 51min));
    EXPECT_EQ(historyWindow(HistoryRange::week, now, now + 72h).to, day.to);
}

TEST_F(HistoryPresenterTest, RangesReadTheirSpanAtTheirResolution) {
    // A row a minute for the last two hours, and one four days ago.
    for (int i = 1; i <= 120; ++i)
        rowAt(clock.now() - i * 1min, 80, 20.0);
    rowAt(clock.now() - 96h, 10, std::nullopt);

    HistoryPresenter presenter(timeline, writer, exporter, clock);
    const auto& ranges = presenter.screen().ranges;
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_EQ(ranges[0], (HistoryRangeButton{"24 Hours", true}));
    EXPECT_EQ(ranges[2], (HistoryRangeButton{"30 Days", false}));
    EXPECT_EQ(presenter.screen().samples.size(), 120u);

    QSignalSpy changed(&presenter, &HistoryPresenter::changed);
    presenter.chooseRange(1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(presenter.screen().ranges[1].chosen);
    EXPECT_FALSE(presenter.screen().ranges[0].chosen);
    // Ten-minute slots: two hours fold into twelve or thirteen points, plus the old row.
    EXPECT_GE(presenter.screen().samples.size(), 13u);
    EXPECT_LE(presenter.screen().samples.size(), 14u);
    EXPECT_EQ(presenter.screen().samples.front().score, 10);
    presenter.chooseRange(0);
    EXPECT_EQ(presenter.screen().samples.size(), 120u);
}

TEST_F(HistoryPresenterTest, NewRowsShowOnlyWhileShown) {
    rowAt(clock.now() - 5min, 80, 20.0);
    HistoryPresenter presenter(timeline, writer, exporter, clock);
    clock.advance(1min);
    rowAt(clock.now() - 10s, 85, 20.0);
    EXPECT_EQ(presenter.screen().samples.size(), 1u);

    presenter.setShown(true);
    EXPECT_EQ(presenter.screen().samples.size(), 2u);
    clock.advance(1min);
    rowAt(clock.now() - 10s, 90, 15.0);
    EXPECT_EQ(presenter.screen().samples.size(), 3u);
    EXPECT_EQ(presenter.screen().samples.back().score, 90);

    presenter.setShown(false);
    clock.advance(1min);
    rowAt(clock.now() - 10s, 95, 15.0);
    EXPECT_EQ(presenter.screen().samples.size(), 3u);
}

TEST_F(HistoryPresenterTest, ExportWritesTheShownRangeRowByRow) {
    rowAt(clock.now() - 2h, 70, 30.0);
    rowAt(clock.now() - 1h, 75, 25.0);
    rowAt(clock.now() - 30h, 10, 90.0); // outside the day
    HistoryPresenter presenter(timeline, writer, exporter, clock);

    dialog.answer = dir.filePath("out.csv");
    ASSERT_EQ(presenter.exportShownRange(), dialog.answer);
    EXPECT_TRUE(dialog.requests.at(0).proposedName.startsWith("wifi-timeline-"));
    QFile file(*dialog.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("Linkmeter Timeline Export\n"));
    EXPECT_TRUE(text.contains(",\"Home\",,,70,,30.0,0.0,,0,0\n"));
    EXPECT_TRUE(text.contains(",75,,25.0,"));
    EXPECT_FALSE(text.contains(",10,,90.0,"));

    presenter.chooseRange(1);
    ASSERT_TRUE(presenter.exportShownRange());
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(",10,,90.0,"));

    dialog.answer.reset();
    EXPECT_FALSE(presenter.exportShownRange());
}

TEST_F(HistoryPresenterTest, RowsWrittenAheadOfAClockSetBackStillShow) {
    rowAt(clock.now() - 1h, 70, 20.0);
    rowAt(clock.now() + 50min, 71, 20.0); // the clock went back an hour since
    rowAt(clock.now() + 72h, 72, 20.0);   // from a clock that was days wrong
    HistoryPresenter presenter(timeline, writer, exporter, clock);
    ASSERT_EQ(presenter.screen().samples.size(), 2u);
    EXPECT_EQ(presenter.screen().samples.back().score, 71);
}
