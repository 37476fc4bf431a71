#include "views/HistoryView.h"

#include "viewmodel/HistoryPresenter.h"

#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "reports/ExportService.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "views/HistoryChart.h"

#include <gtest/gtest.h>

#include <QPushButton>
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

TEST_F(HistoryViewTest, HoverDescribesTheRowAndMarkersAreFoundWhereDrawn) {
    rowAt(clock.now() - 12h, 64, 123.45);
    writer.append(timeline::roamingEvent({"Home", "aa:01", "aa:02", -70, -50}, clock.now() - 6h));
    HistoryPresenter presenter(timeline, writer, exporter, clock);
    HistoryView view(presenter);
    view.resize(800, 400);
    view.show();
    HistoryChart& chart = *view.findChild<HistoryChart*>();
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

TEST_F(HistoryViewTest, ReadingsNoConnectionCouldGiveAreLeftOutOfTheChart) {
    rowAt(clock.now() - 4h, 80, 30.0);
    rowAt(clock.now() - 3h, 81, 1e308);
    rowAt(clock.now() - 2h, 82, std::numeric_limits<double>::infinity());
    rowAt(clock.now() - 1h, 83, -4.0);
    HistoryPresenter presenter(timeline, writer, exporter, clock);
    HistoryView view(presenter);
    HistoryChart& chart = *view.findChild<HistoryChart*>();
    ASSERT_EQ(chart.samples().size(), 4u);
    EXPECT_EQ(chart.latencyScale(), 40.0);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_TRUE(chart.sampleDescription(i).contains("Internet: –")) << i;
        EXPECT_TRUE(chart.sampleDescription(i).contains(QStringLiteral("Score: %1").arg(80 + i))) << i;
    }
    EXPECT_TRUE(chart.sampleDescription(0).contains("Internet: 30.0 ms"));
}

TEST_F(HistoryViewTest, TheChosenRangeIsMarkedAndDrawn) {
    rowAt(clock.now() - 1h, 70, 20.0);
    rowAt(clock.now() - 96h, 10, 20.0);
    HistoryPresenter presenter(timeline, writer, exporter, clock);
    HistoryView view(presenter);
    auto* day = view.findChild<QPushButton*>("range0");
    auto* week = view.findChild<QPushButton*>("range1");
    ASSERT_TRUE(day && week);
    EXPECT_EQ(week->text(), "7 Days");
    EXPECT_TRUE(day->isChecked());
    EXPECT_TRUE(day->font().bold());
    const HistoryChart& chart = *view.findChild<HistoryChart*>();
    EXPECT_EQ(chart.samples().size(), 1u);

    week->click();
    EXPECT_TRUE(week->isChecked());
    EXPECT_TRUE(week->font().bold());
    EXPECT_FALSE(day->font().bold());
    EXPECT_EQ(chart.samples().size(), 2u);
}
