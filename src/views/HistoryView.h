#pragma once

#include "core/TimePoint.h"

#include <QWidget>

#include <chrono>
#include <optional>

class Clock;
class ExportService;
class HistoryChart;
class QAbstractButton;
class TimelineQueries;
class TimelineWriter;

// The history window's page: the range switch (24 hours, 7 days, 30 days), the chart of that range
// ending now, its legend, and the export of the rows it shows.
class HistoryView final : public QWidget {
    Q_OBJECT

public:
    enum class Range { day, week, month };

    // Redraws as `writer` stores rows while the window is up.
    HistoryView(const TimelineQueries& timeline, const TimelineWriter& writer, ExportService& exporter,
                const Clock& clock, QWidget* parent = nullptr);

    Range range() const { return m_range; }
    void setRange(Range range);
    HistoryChart& chart() const { return *m_chart; }
    // Reads the shown range again from the timeline.
    void reload();
    // Asks where to save the shown range and writes it; the saved file, if any.
    std::optional<QString> exportShownRange();

    static std::chrono::seconds span(Range range);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TimelineQueries& m_timeline;
    ExportService& m_exporter;
    const Clock& m_clock;
    Range m_range = Range::day;
    TimePoint m_from{};
    TimePoint m_to{};
    HistoryChart* m_chart = nullptr;
    QAbstractButton* m_rangeButtons[3] = {};
};
