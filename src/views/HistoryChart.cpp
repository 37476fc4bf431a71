#include "views/HistoryChart.h"

#include "history/TimelineRules.h"
#include "views/kit/Palette.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QDateTime>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kLeftMargin = 36;
constexpr double kRightMargin = 52;
constexpr double kTopMargin = 20; // the event strip
constexpr double kBottomMargin = 22;
constexpr double kMarkerRadius = 4.5;

QDateTime localTime(TimePoint time) {
    return QDateTime::fromSecsSinceEpoch(
        std::chrono::floor<std::chrono::seconds>(time.time_since_epoch()).count());
}

// The smallest of 1, 2 or 4 times a power of ten that is at least `value`: its quarters, where the
// grid lines are, are round numbers.
double niceCeiling(double value) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 4.0, 10.0})
        if (step * magnitude >= value)
            return step * magnitude;
    return 10.0 * magnitude;
}

Tone eventTone(TimelineEventKind kind) {
    switch (kind) {
    case TimelineEventKind::offline:
        return Tone::red;
    case TimelineEventKind::online:
        return Tone::green;
    case TimelineEventKind::captivePortal:
        return Tone::orange;
    case TimelineEventKind::roaming:
        return Tone::blue;
    case TimelineEventKind::speedTest:
        return Tone::purple;
    case TimelineEventKind::dnsServersChanged:
    case TimelineEventKind::monitoringStarted:
    case TimelineEventKind::monitoringStopped:
        break;
    }
    return Tone::gray;
}

QString milliseconds(const std::optional<double>& value) {
    return value ? localNumber(*value, 1) + QStringLiteral(" ms") : QStringLiteral("–");
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Connection history"));
    describe();
}

// The chart in words for screen readers: how many readings and the range of each line.
void HistoryChart::describe() {
    if (m_samples.empty()) {
        setAccessibleDescription(tr("No readings in this period"));
        return;
    }
    int lowScore = 100;
    int highScore = 0;
    std::optional<std::pair<double, double>> latency;
    for (const TimelineSample& s : m_samples) {
        lowScore = std::min(lowScore, s.score);
        highScore = std::max(highScore, s.score);
        if (s.internetLatency)
            latency = latency ? std::pair(std::min(latency->first, *s.internetLatency),
                                          std::max(latency->second, *s.internetLatency))
                              : std::pair(*s.internetLatency, *s.internetLatency);
    }
    const int count = int(m_samples.size());
    //: Read out by screen readers; %n is the number of readings, %1 and %2 the lowest and highest score
    QString text =
        (count == 1 ? tr("1 reading, quality %1 to %2") : tr("%n readings, quality %1 to %2", nullptr, count))
            .arg(localNumber(lowScore), localNumber(highScore));
    if (latency)
        //: Appended to the chart's summary; %1 and %2 are milliseconds
        text += tr(", internet response time %1 to %2 ms")
                    .arg(localNumber(latency->first), localNumber(latency->second));
    setAccessibleDescription(text);
}

QSize HistoryChart::sizeHint() const {
    return {680, 280};
}

QSize HistoryChart::minimumSizeHint() const {
    return {360, 180};
}

void HistoryChart::setData(TimePoint from, TimePoint to, std::chrono::seconds bucket,
                           std::vector<TimelineSample> samples, std::vector<TimelineEvent> events) {
    m_from = from;
    m_to = std::max(to, from + std::chrono::seconds(1));
    m_bucket = std::max(bucket, std::chrono::seconds(1));
    // A damaged stored reading would stretch the scale past every real one.
    m_samples.clear();
    std::transform(samples.begin(), samples.end(), std::back_inserter(m_samples), timeline::plottable);
    m_events = std::move(events);
    double highest = 0.0;
    for (const TimelineSample& s : m_samples)
        if (s.internetLatency)
            highest = std::max(highest, *s.internetLatency);
    m_latencyScale = niceCeiling(std::max(40.0, highest));
    // A new row arriving under a resting pointer keeps the hover on the same moment.
    const std::optional<TimePoint> hoveredTime = m_hovered ? std::optional(m_hoveredTime) : std::nullopt;
    m_hovered.reset();
    if (hoveredTime) {
        const auto same = std::find_if(m_samples.begin(), m_samples.end(),
                                       [&](const TimelineSample& s) { return s.time == *hoveredTime; });
        if (same != m_samples.end())
            m_hovered = static_cast<std::size_t>(same - m_samples.begin());
    }
    describe();
    update();
}

QRectF HistoryChart::plotRect() const {
    return QRectF(kLeftMargin, kTopMargin, std::max(1.0, width() - kLeftMargin - kRightMargin),
                  std::max(1.0, height() - kTopMargin - kBottomMargin));
}

double HistoryChart::xOf(TimePoint time) const {
    const QRectF plot = plotRect();
    const double fraction = std::chrono::duration<double>(time - m_from).count() /
                            std::chrono::duration<double>(m_to - m_from).count();
    return plot.left() + fraction * plot.width();
}

std::optional<std::size_t> HistoryChart::sampleAt(int x) const {
    if (m_samples.empty() ||
        !plotRect().adjusted(0, -kTopMargin, 0, 0).contains(QPointF(x, plotRect().top())))
        return std::nullopt;
    std::optional<std::size_t> best;
    double bestDistance = 0;
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        const double distance = std::abs(xOf(m_samples[i].time + m_bucket / 2) - x);
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    const double bucketWidth = xOf(m_from + m_bucket) - xOf(m_from);
    if (bestDistance > std::max(bucketWidth, 3.0))
        return std::nullopt;
    return best;
}

QPointF HistoryChart::markerCentre(std::size_t index) const {
    return {xOf(m_events[index].time), kTopMargin / 2};
}

std::optional<std::size_t> HistoryChart::eventAt(QPoint point) const {
    // The last one drawn is on top.
    for (std::size_t i = m_events.size(); i-- > 0;) {
        const QPointF centre = markerCentre(i);
        if (std::abs(point.x() - centre.x()) <= kMarkerRadius + 2 &&
            std::abs(point.y() - centre.y()) <= kMarkerRadius + 2)
            return i;
    }
    return std::nullopt;
}

QStringList HistoryChart::sampleDescription(std::size_t index) const {
    const TimelineSample& s = m_samples.at(index);
    const QDateTime start = localTime(s.time);
    QString when = QLocale().toString(start, QStringLiteral("MMM d, HH:mm"));
    if (m_bucket > timeline::sampleInterval)
        when +=
            QStringLiteral("–") + QLocale().toString(localTime(s.time + m_bucket), QStringLiteral("HH:mm"));
    QStringList lines{when};
    if (!s.ssid.empty())
        lines << QString::fromStdString(s.ssid);
    lines << HistoryChart::tr("Score: %1").arg(localNumber(s.score));
    lines << HistoryChart::tr("Internet: %1").arg(milliseconds(s.internetLatency));
    lines << HistoryChart::tr("Packet loss: %1")
                 .arg(s.internetLoss ? localNumber(*s.internetLoss, 1) + QStringLiteral("%")
                                     : QStringLiteral("–"));
    lines << HistoryChart::tr("Router: %1").arg(milliseconds(s.routerLatency));
    lines << HistoryChart::tr("DNS: %1").arg(milliseconds(s.dnsTime));
    if (s.rssi)
        lines << HistoryChart::tr("Signal: %1 dBm").arg(localNumber(*s.rssi));
    return lines;
}

void HistoryChart::hoverSample(std::optional<std::size_t> index) {
    if (index && *index >= m_samples.size())
        index.reset();
    m_hovered = index;
    if (index)
        m_hoveredTime = m_samples[*index].time;
    update();
}

bool HistoryChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto index = eventAt(help->pos())) {
            const TimelineEvent& e = m_events[*index];
            QString text = QLocale().toString(localTime(e.time), QStringLiteral("MMM d, HH:mm")) +
                           QStringLiteral(" · ") +
                           (e.kind == TimelineEventKind::roaming
                                ? translatedText("Notification", timeline::eventTitle(e.kind))
                                : translatedText("TimelineEvent", timeline::eventTitle(e.kind)));
            if (const std::string details = timeline::eventDetails(e); !details.empty())
                text += QStringLiteral("\n") + QString::fromStdString(details);
            QToolTip::showText(help->globalPos(), text, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void HistoryChart::mouseMoveEvent(QMouseEvent* event) {
    hoverSample(sampleAt(qRound(event->position().x())));
}

void HistoryChart::leaveEvent(QEvent*) {
    hoverSample(std::nullopt);
}

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(styledFont(TextStyle::caption2, font()));
    const QRectF plot = plotRect();
    paintAxes(painter, plot);
    if (m_samples.empty() && m_events.empty()) {
        paintEmpty(painter);
        return;
    }
    paintSeries(painter, plot);
    paintEvents(painter, plot);
    paintHover(painter, plot);
}

void HistoryChart::paintAxes(QPainter& painter, const QRectF& plot) const {
    const QPalette& pal = palette();
    const QColor grid = Palette::faded(Colour::secondary, 0.18, pal);
    const QColor text = Palette::colour(Colour::secondary, pal);
    const QFontMetricsF metrics(painter.font());

    // Horizontal lines at quarters of both scales.
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.bottom() - plot.height() * i / 4.0;
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Palette::colour(Tone::green, pal));
        const QString score = localNumber(i * 25);
        painter.drawText(QRectF(0, y - 8, kLeftMargin - 6, 16), Qt::AlignRight | Qt::AlignVCenter, score);
        painter.setPen(Palette::colour(Tone::blue, pal));
        const QString latency = localNumber(m_latencyScale * i / 4.0) + QStringLiteral(" ms");
        painter.drawText(QRectF(plot.right() + 6, y - 8, kRightMargin - 6, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, latency);
    }

    // Time labels: every three hours for a day, else at local midnights, thinned to fit.
    const auto range = m_to - m_from;
    const bool day = range <= std::chrono::hours(25);
    QDateTime tick = localTime(m_from);
    tick.setTime(QTime(day ? tick.time().hour() : 0, 0));
    const int stepHours = day ? 3 : 24;
    const int everyNth = range > std::chrono::hours(24 * 8) ? 5 : 1;
    int counter = 0;
    painter.setPen(text);
    double lastRight = -1e9;
    while (tick.toSecsSinceEpoch() < localTime(m_to).toSecsSinceEpoch()) {
        const TimePoint at = TimePoint(std::chrono::seconds(tick.toSecsSinceEpoch()));
        if (at >= m_from && (day ? tick.time().hour() % stepHours == 0 : counter++ % everyNth == 0)) {
            const double x = xOf(at);
            painter.setPen(QPen(grid, 1, Qt::DotLine));
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            const QString label =
                QLocale().toString(tick, day ? QStringLiteral("HH:mm") : QStringLiteral("MMM d"));
            const double labelWidth = metrics.horizontalAdvance(label);
            const double left = std::clamp(x - labelWidth / 2, plot.left(), plot.right() - labelWidth);
            if (left > lastRight + 6) {
                painter.setPen(text);
                painter.drawText(QPointF(left, plot.bottom() + metrics.ascent() + 5), label);
                lastRight = left + labelWidth;
            }
        }
        tick = tick.addSecs(3600LL * (day ? 1 : 24));
    }
    painter.setPen(QPen(Palette::faded(Colour::secondary, 0.45, pal), 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
}

void HistoryChart::paintSeries(QPainter& painter, const QRectF& plot) const {
    const QPalette& pal = palette();
    const double bucketWidth = std::max(1.0, xOf(m_from + m_bucket) - xOf(m_from));

    // Loss first, so the lines stay on top of it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::faded(Tone::red, 0.35, pal));
    for (const TimelineSample& s : m_samples) {
        if (!s.internetLoss || *s.internetLoss <= 0)
            continue;
        const double height = plot.height() * std::clamp(*s.internetLoss, 0.0, 100.0) / 100.0;
        painter.drawRect(QRectF(xOf(s.time), plot.bottom() - height, bucketWidth, height));
    }
    painter.setBrush(Qt::NoBrush);

    const auto line = [&](auto value, const QColor& colour) {
        // Round caps close the joins between the separately drawn segments.
        painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF run;
        std::optional<TimePoint> previous;
        const auto flush = [&] {
            // Separate segments: one long self-crossing outline is far slower to fill.
            QList<QLineF> segments;
            for (qsizetype i = 1; i < run.size(); ++i)
                segments.append(QLineF(run[i - 1], run[i]));
            painter.drawLines(segments);
            run.clear();
        };
        for (const TimelineSample& s : m_samples) {
            const std::optional<double> v = value(s);
            if (!v || (previous && s.time - *previous > 2 * m_bucket))
                flush();
            if (v)
                run << QPointF(xOf(s.time + m_bucket / 2),
                               plot.bottom() - plot.height() * std::clamp(*v, 0.0, 1.0));
            previous = s.time;
        }
        flush();
    };
    line(
        [this](const TimelineSample& s) -> std::optional<double> {
            if (!s.internetLatency)
                return std::nullopt;
            return *s.internetLatency / m_latencyScale;
        },
        Palette::colour(Tone::blue, pal));
    line([](const TimelineSample& s) -> std::optional<double> { return s.score / 100.0; },
         Palette::colour(Tone::green, pal));
}

void HistoryChart::paintEvents(QPainter& painter, const QRectF& plot) const {
    const QPalette& pal = palette();
    for (std::size_t i = 0; i < m_events.size(); ++i) {
        const QPointF centre = markerCentre(i);
        if (centre.x() < plot.left() - 1 || centre.x() > plot.right() + 1)
            continue;
        const QColor colour = Palette::colour(eventTone(m_events[i].kind), pal);
        painter.setPen(QPen(Palette::faded(eventTone(m_events[i].kind), 0.35, pal), 1, Qt::DashLine));
        painter.drawLine(QPointF(centre.x(), plot.top()), QPointF(centre.x(), plot.bottom()));
        painter.setPen(QPen(pal.color(QPalette::Window), 1.2));
        painter.setBrush(colour);
        painter.drawEllipse(centre, kMarkerRadius, kMarkerRadius);
        painter.setBrush(Qt::NoBrush);
    }
}

void HistoryChart::paintHover(QPainter& painter, const QRectF& plot) const {
    if (!m_hovered)
        return;
    const QPalette& pal = palette();
    const TimelineSample& s = m_samples[*m_hovered];
    const double x = xOf(s.time + m_bucket / 2);
    painter.setPen(QPen(Palette::faded(Colour::secondary, 0.7, pal), 1));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));

    const QStringList lines = sampleDescription(*m_hovered);
    const QFontMetricsF metrics(painter.font());
    double textWidth = 0;
    for (const QString& l : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(l));
    const double lineHeight = metrics.height();
    QRectF box(0, plot.top() + 6, textWidth + 16, lineHeight * lines.size() + 10);
    // Beside the line, on whichever side has room.
    box.moveLeft(x + 10 + box.width() <= plot.right() ? x + 10 : x - 10 - box.width());
    box.moveLeft(std::max(plot.left(), box.left()));
    painter.setPen(QPen(Palette::faded(Colour::secondary, 0.35, pal), 1));
    QColor fill = pal.color(QPalette::Base);
    fill.setAlphaF(0.95f);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 6, 6);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < lines.size(); ++i) {
        painter.setPen(i == 0 ? pal.color(QPalette::WindowText) : Palette::colour(Colour::secondary, pal));
        painter.drawText(QPointF(box.left() + 8, box.top() + 5 + metrics.ascent() + i * lineHeight),
                         lines[i]);
    }
}

void HistoryChart::paintEmpty(QPainter& painter) const {
    const QPalette& pal = palette();
    const QRectF plot = plotRect();
    painter.setPen(pal.color(QPalette::WindowText));
    painter.setFont(styledFont(TextStyle::headline, font()));
    const QFontMetricsF headline(painter.font());
    const double middle = plot.center().y();
    painter.drawText(QRectF(plot.left(), middle - headline.height(), plot.width(), headline.height()),
                     Qt::AlignCenter, tr("No history yet"));
    painter.setPen(Palette::colour(Colour::secondary, pal));
    painter.setFont(styledFont(TextStyle::caption, font()));
    painter.drawText(QRectF(plot.left(), middle + 4, plot.width(), 40),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     tr("Linkmeter records a point every minute while it monitors your connection."));
}
