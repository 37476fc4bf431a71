#include "views/HistoryView.h"

#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "platform/Clock.h"
#include "reports/ExportService.h"
#include "views/HistoryChart.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

constexpr std::array kRanges{HistoryView::Range::day, HistoryView::Range::week, HistoryView::Range::month};

QString rangeTitle(HistoryView::Range range) {
    switch (range) {
    case HistoryView::Range::day:
        return QStringLiteral("24 Hours");
    case HistoryView::Range::week:
        return QStringLiteral("7 Days");
    case HistoryView::Range::month:
        return QStringLiteral("30 Days");
    }
    return {};
}

// A legend entry: a swatch of `colour` (a line or a block) and its caption.
QWidget* legendEntry(const QString& caption, Tone colour, bool block, double opacity, QWidget* parent) {
    auto* entry = new QWidget(parent);
    QHBoxLayout* layout = makeRow(entry, Space::xsPlus);
    auto* swatch = new QWidget(entry);
    swatch->setFixedSize(block ? Size::legendBlock : Size::legendLine);
    styleBox(swatch, colour, opacity, block ? Radius::swatch : Radius::hairline);
    layout->addWidget(swatch, 0, Qt::AlignVCenter);
    layout->addWidget(makeLabel(caption, TextStyle::caption, Colour::secondary, entry));
    return entry;
}

// Some styles draw a checked button much like an unchecked one; bold text tells them apart anywhere.
void markChosen(QAbstractButton* button, bool chosen) {
    button->setChecked(chosen);
    QFont font = button->font();
    font.setBold(chosen);
    button->setFont(font);
}

} // namespace

HistoryView::HistoryView(const TimelineQueries& timeline, const TimelineWriter& writer,
                         ExportService& exporter, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_timeline(timeline), m_exporter(exporter), m_clock(clock) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding(Space::xl, Space::lPlus));
    layout->setSpacing(Space::mPlus);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(Space::none);
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < kRanges.size(); ++i) {
        auto* button = new QPushButton(rangeTitle(kRanges[i]), this);
        button->setCheckable(true);
        button->setObjectName(QStringLiteral("range%1").arg(i));
        group->addButton(button, static_cast<int>(i));
        bar->addWidget(button);
        m_rangeButtons[i] = button;
    }
    markChosen(m_rangeButtons[0], true);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { setRange(kRanges[static_cast<std::size_t>(id)]); });
    bar->addStretch();
    auto* exportButton = new QPushButton(QStringLiteral("Export CSV..."), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportShownRange(); });
    bar->addWidget(exportButton);
    layout->addLayout(bar);

    m_chart = new HistoryChart(this);
    layout->addWidget(m_chart, 1);

    auto* legend = new QHBoxLayout;
    legend->setSpacing(Space::xl);
    legend->addWidget(legendEntry(QStringLiteral("Quality score"), Tone::green, false, 1.0, this));
    legend->addWidget(legendEntry(QStringLiteral("Internet latency"), Tone::blue, false, 1.0, this));
    legend->addWidget(legendEntry(QStringLiteral("Packet loss"), Tone::red, true, 0.35, this));
    legend->addWidget(
        legendEntry(QStringLiteral("Event (point at it for details)"), Tone::gray, true, 1.0, this));
    legend->addStretch();
    layout->addLayout(legend);

    // A new row matters only while the window is up; a hidden one reads afresh when shown.
    connect(&writer, &TimelineWriter::appended, this, [this] {
        if (isVisible())
            reload();
    });
    reload();
}

std::chrono::seconds HistoryView::span(Range range) {
    switch (range) {
    case Range::day:
        return std::chrono::hours(24);
    case Range::week:
        return std::chrono::hours(24 * 7);
    case Range::month:
        return std::chrono::hours(24 * 30);
    }
    return std::chrono::hours(24);
}

void HistoryView::setRange(Range range) {
    m_range = range;
    for (std::size_t i = 0; i < kRanges.size(); ++i)
        markChosen(m_rangeButtons[i], kRanges[i] == range);
    reload();
}

void HistoryView::reload() {
    // The range ends at the end of the current minute, so the row just written is inside it.
    const TimePoint now = m_clock.now();
    const TimePoint end = timeline::timelineEnd(now, m_timeline.newestTime(now + timeline::clockSlack));
    m_to = std::chrono::ceil<std::chrono::minutes>(end + std::chrono::seconds(1));
    m_from = m_to - span(m_range);
    const auto bucket = timeline::bucketWidth(span(m_range));
    m_chart->setData(m_from, m_to, bucket, m_timeline.samples(m_from, m_to, bucket),
                     m_timeline.events(m_from, m_to));
}

std::optional<QString> HistoryView::exportShownRange() {
    return m_exporter.saveCSV(
        timeline::timelineText(m_timeline.samples(m_from, m_to, std::chrono::seconds(1)),
                               m_timeline.events(m_from, m_to), m_clock.now()),
        "wifi-timeline");
}

void HistoryView::showEvent(QShowEvent* event) {
    reload();
    QWidget::showEvent(event);
}
