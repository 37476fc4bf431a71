#include "views/HistoryView.h"

#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "reports/ExportService.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "views/HistoryChart.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <limits>

using namespace std::chrono_literals;

namespace {

class HistoryViewTest : public ::testing::Test {
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

TEST_F(HistoryViewTest, RangesReadTheirSpanAtTheirResolution) {
    // A row a minute for the last two hours, and one four days ago.
    for (int i = 1; i <= 120; ++i)
        rowAt(clock.now() - i * 1min, 80, 20.0);
    rowAt(clock.now() - 96h, 10, std::nullopt);

    HistoryView view(timeline, writer, exporter, clock);
    EXPECT_EQ(view.chart().samples().size(), 120u);
    view.setRange(HistoryView::Range::week);
    // Ten-minute slots: two hours fold into twelve or thirteen points, plus the old row.
    EXPECT_GE(view.chart().samples().size(), 13u);
    EXPECT_LE(view.chart().samples().size(), 14u);
    EXPECT_EQ(view.chart().samples().front().score, 10);
    view.setRange(HistoryView::Range::day);
    EXPECT_EQ(view.chart().samples().size(), 120u);

    // New rows show up while the window is open.
    view.show();
    clock.advance(1min);
    rowAt(clock.now() - 10s, 90, 15.0);
    EXPECT_EQ(view.chart().samples().size(), 121u);
    EXPECT_EQ(view.chart().samples().back().score, 90);
}

TEST_F(HistoryViewTest, HoverDescribesTheRowAndMarkersAreFoundWhereDrawn) {
    rowAt(clock.now() - 12h, 64, 123.45);
    writer.append(timeline::roamingEvent({"Home", "aa:01", "aa:02", -70, -50}, clock.now() - 6h));
    HistoryView view(timeline, writer, exporter, clock);
    view.resize(800, 400);
    view.show();
    HistoryChart& chart = view.chart();
    ASSERT_GT(chart.width(), 600);
    EXPECT_EQ(chart.latencyScale(), 200.0);

    // The middle of the plot is twelve hours ago.
    const int left = 36;
    const int right = chart.width() - 52;
    const auto index = chart.sampleAt((left + right) / 2);
    ASSERT_TRUE(index.has_value());
    const QStringList lines = chart.sampleDescription(*index);
    EXPECT_TRUE(lines.contains("Score: 64"));
    EXPECT_TRUE(lines.contains("Internet: 123.5 ms"));
    EXPECT_TRUE(lines.contains("Packet loss: 0.0%"));
    EXPECT_TRUE(lines.contains("DNS: –"));
    EXPECT_FALSE(chart.sampleAt(left + 5).has_value());

    const int markerX = left + (right - left) * 3 / 4;
    EXPECT_EQ(chart.eventAt(QPoint(markerX, 10)), 0u);
    EXPECT_FALSE(chart.eventAt(QPoint(markerX, 100)).has_value());
}

TEST_F(HistoryViewTest, ExportWritesTheShownRangeRowByRow) {
    rowAt(clock.now() - 2h, 70, 30.0);
    rowAt(clock.now() - 1h, 75, 25.0);
    rowAt(clock.now() - 30h, 10, 90.0); // outside the day
    HistoryView view(timeline, writer, exporter, clock);

    dialog.answer = dir.filePath("out.csv");
    ASSERT_EQ(view.exportShownRange(), dialog.answer);
    EXPECT_TRUE(dialog.requests.at(0).proposedName.startsWith("wifi-timeline-"));
    QFile file(*dialog.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("Linkmeter Timeline Export\n"));
    EXPECT_TRUE(text.contains(",\"Home\",,,70,,30.0,0.0,,0,0\n"));
    EXPECT_TRUE(text.contains(",75,,25.0,"));
    EXPECT_FALSE(text.contains(",10,,90.0,"));

    view.setRange(HistoryView::Range::week);
    ASSERT_TRUE(view.exportShownRange());
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(",10,,90.0,"));

    dialog.answer.reset();
    EXPECT_FALSE(view.exportShownRange());
}

TEST_F(HistoryViewTest, ReadingsNoConnectionCouldGiveAreLeftOutOfTheChart) {
    rowAt(clock.now() - 4h, 80, 30.0);
    rowAt(clock.now() - 3h, 81, 1e308);
    rowAt(clock.now() - 2h, 82, std::numeric_limits<double>::infinity());
    rowAt(clock.now() - 1h, 83, -4.0);
    HistoryView view(timeline, writer, exporter, clock);
    HistoryChart& chart = view.chart();
    ASSERT_EQ(chart.samples().size(), 4u);
    EXPECT_EQ(chart.latencyScale(), 40.0);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_TRUE(chart.sampleDescription(i).contains("Internet: –")) << i;
        EXPECT_TRUE(chart.sampleDescription(i).contains(QStringLiteral("Score: %1").arg(80 + i))) << i;
    }
    EXPECT_TRUE(chart.sampleDescription(0).contains("Internet: 30.0 ms"));
}

TEST_F(HistoryViewTest, RowsWrittenAheadOfAClockSetBackStillShow) {
    rowAt(clock.now() - 1h, 70, 20.0);
    rowAt(clock.now() + 50min, 71, 20.0); // the clock went back an hour since
    rowAt(clock.now() + 72h, 72, 20.0);   // from a clock that was days wrong
    HistoryView view(timeline, writer, exporter, clock);
    ASSERT_EQ(view.chart().samples().size(), 2u);
    EXPECT_EQ(view.chart().samples().back().score, 71);
}
