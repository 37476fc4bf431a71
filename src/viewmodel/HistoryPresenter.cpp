#include "viewmodel/HistoryPresenter.h"

#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "platform/Clock.h"
#include "reports/ExportService.h"

#include <array>

namespace {

constexpr std::array kRanges{HistoryRange::day, HistoryRange::week, HistoryRange::month};

QString rangeTitle(HistoryRange range) {
    switch (range) {
    case HistoryRange::day:
        return HistoryPresenter::tr("24 Hours");
    case HistoryRange::week:
        return HistoryPresenter::tr("7 Days");
    case HistoryRange::month:
        return HistoryPresenter::tr("30 Days");
    }
    return {};
}

} // namespace

std::chrono::seconds historySpan(HistoryRange range) {
    switch (range) {
    case HistoryRange::day:
        return std::chrono::hours(24);
    case HistoryRange::week:
        return std::chrono::hours(24 * 7);
    case HistoryRange::month:
        return std::chrono::hours(24 * 30);
    }
    return std::chrono::hours(24);
}

HistoryWindow historyWindow(HistoryRange range, TimePoint now, std::optional<TimePoint> newestRow) {
    HistoryWindow window;
    const TimePoint end = timeline::timelineEnd(now, newestRow);
    window.to = std::chrono::ceil<std::chrono::minutes>(end + std::chrono::seconds(1));
    window.from = window.to - historySpan(range);
    window.bucket = timeline::bucketWidth(historySpan(range));
    return window;
}

HistoryPresenter::HistoryPresenter(const TimelineQueries& timeline, const TimelineWriter& writer,
                                   ExportService& exporter, const Clock& clock, QObject* parent)
    : QObject(parent), m_timeline(timeline), m_exporter(exporter), m_clock(clock) {
    connect(&writer, &TimelineWriter::appended, this, [this] {
        if (m_shown)
            reload();
    });
    reload();
}

void HistoryPresenter::chooseRange(std::size_t index) {
    if (index >= kRanges.size())
        return;
    m_range = kRanges[index];
    reload();
}

void HistoryPresenter::setShown(bool shown) {
    m_shown = shown;
    if (shown)
        reload();
}

void HistoryPresenter::reload() {
    const TimePoint now = m_clock.now();
    HistoryScreen next;
    for (HistoryRange range : kRanges)
        next.ranges.push_back({rangeTitle(range), range == m_range});
    next.window = historyWindow(m_range, now, m_timeline.newestTime(now + timeline::clockSlack));
    next.samples = m_timeline.samples(next.window.from, next.window.to, next.window.bucket);
    next.events = m_timeline.events(next.window.from, next.window.to);
    m_screen = std::move(next);
    emit changed();
}

std::optional<QString> HistoryPresenter::exportShownRange() {
    const HistoryWindow& window = m_screen.window;
    return m_exporter.saveCSV(
        timeline::timelineText(m_timeline.samples(window.from, window.to, std::chrono::seconds(1)),
                               m_timeline.events(window.from, window.to), m_clock.now()),
        "wifi-timeline");
}
