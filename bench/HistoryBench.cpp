// Writes 30 days of timeline rows (one a minute), then times opening the history window's 24-hour
// and 30-day views: reading the range from the database and the first paint of the chart.
#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineWriter.h"
#include "reports/ExportService.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "views/HistoryChart.h"
#include "views/HistoryView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace std::chrono_literals;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ManualClock clock;
    const TimePoint end = clock.now();
    {
        TimelineDatabase database(dir.filePath("history.sqlite"), clock);
        TimelineWriter writer(database, clock);
        QElapsedTimer writing;
        writing.start();
        constexpr int rows = 30 * 24 * 60;
        for (int i = 0; i < rows; ++i) {
            TimelineSample s;
            s.time = end - 30 * 24h + i * 1min;
            s.ssid = "Home Network";
            s.bssid = "a4:2b:b0:11:22:01";
            s.rssi = -55 - i % 9;
            s.score = 80 + i % 17;
            s.routerLatency = 3.0 + (i % 5) * 0.3;
            s.internetLatency = 20.0 + 8.0 * std::sin(i / 40.0);
            s.internetLoss = i % 97 == 0 ? 20.0 : 0.0;
            s.dnsTime = 12.0 + i % 7;
            s.downloadBytesPerSecond = 1000.0 * (i % 300);
            s.uploadBytesPerSecond = 300.0 * (i % 200);
            writer.append(s);
        }
        std::printf("Wrote %d rows in %.0f ms\n", rows, writing.nsecsElapsed() / 1e6);
    }

    TimelineDatabase database(dir.filePath("history.sqlite"), clock);
    const TimelineWriter writer(database, clock);
    const TimelineQueries timeline(database);
    {
        // The database's share of the 30-day view, for telling it from the painting.
        QElapsedTimer reading;
        reading.start();
        const auto points = timeline.samples(end - 30 * 24h, end, 1800s);
        std::printf("Reading 30 days into %zu points: %.1f ms\n", points.size(),
                    reading.nsecsElapsed() / 1e6);
    }
    FakeSaveDialog dialog;
    RecordingClipboard clipboard;
    ExportService exporter(dialog, clipboard, clock);
    std::vector<double> day;
    std::vector<double> month;
    for (int round = 0; round < 9; ++round) {
        QElapsedTimer timer;
        timer.start();
        HistoryView view(timeline, writer, exporter, clock);
        view.resize(760, 400);
        view.grab();
        day.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        view.setRange(HistoryView::Range::month);
        const double read = timer.nsecsElapsed() / 1e6;
        view.grab();
        month.push_back(timer.nsecsElapsed() / 1e6);
        if (round == 0)
            std::printf("30-day view: %.1f ms to read, %.1f ms to paint\n", read, month.back() - read);
        if (round == 0)
            std::printf("Points: %zu (24 hours), %zu (30 days)\n", std::size_t(1440),
                        view.chart().samples().size());
    }
    std::printf("Median of 9: 24-hour view %.1f ms, 30-day view %.1f ms (goal: under 100 ms each)\n",
                median(day), median(month));
    return 0;
}
