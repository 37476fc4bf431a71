#pragma once

#include "core/TimePoint.h"
#include "history/TimelineRecord.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

class Clock;
class ExportService;
class TimelineQueries;
class TimelineWriter;

enum class HistoryRange { day, week, month };

// The stretch of the timeline a range shows and the span each chart point stands for.
struct HistoryWindow {
    TimePoint from{};
    TimePoint to{};
    std::chrono::seconds bucket{60};

    bool operator==(const HistoryWindow&) const = default;
};

struct HistoryRangeButton {
    QString title;
    bool chosen = false;

    bool operator==(const HistoryRangeButton&) const = default;
};

// What the history window shows: the range switch, and the chart of the chosen range.
struct HistoryScreen {
    std::vector<HistoryRangeButton> ranges;
    HistoryWindow window;
    std::vector<TimelineSample> samples;
    std::vector<TimelineEvent> events;

    bool operator==(const HistoryScreen&) const = default;
};

std::chrono::seconds historySpan(HistoryRange range);
// The range ends at the end of the minute of the timeline's end, so the row just written is inside
// it.
HistoryWindow historyWindow(HistoryRange range, TimePoint now, std::optional<TimePoint> newestRow);

// Reads the chosen range from the timeline and exports it.
class HistoryPresenter final : public QObject {
    Q_OBJECT

public:
    // Reads again as `writer` stores rows while the screen is shown.
    HistoryPresenter(const TimelineQueries& timeline, const TimelineWriter& writer, ExportService& exporter,
                     const Clock& clock, QObject* parent = nullptr);

    const HistoryScreen& screen() const { return m_screen; }
    // `index` into the screen's ranges.
    void chooseRange(std::size_t index);
    // A hidden screen skips new rows and reads afresh when shown.
    void setShown(bool shown);
    void reload();
    // Asks where to save the shown range and writes it; the saved file, if any.
    std::optional<QString> exportShownRange();

signals:
    void changed();

private:
    const TimelineQueries& m_timeline;
    ExportService& m_exporter;
    const Clock& m_clock;
    HistoryRange m_range = HistoryRange::day;
    bool m_shown = false;
    HistoryScreen m_screen;
};
