#include "views/SparklineView.h"
#include "views/kit/Strings.h"

#include "views/kit/Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Cardinal spline segments as cubic Béziers; 0.5 gives the Catmull-Rom curve, which passes through
// every point without overshooting much.
constexpr double kTension = 0.5;

QPainterPath curveThrough(const std::vector<QPointF>& points) {
    QPainterPath path(points.front());
    const std::size_t n = points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF& p0 = points[i == 0 ? 0 : i - 1];
        const QPointF& p1 = points[i];
        const QPointF& p2 = points[i + 1];
        const QPointF& p3 = points[std::min(i + 2, n - 1)];
        const QPointF c1 = p1 + (p2 - p0) * (kTension / 3.0);
        const QPointF c2 = p2 - (p3 - p1) * (kTension / 3.0);
        path.cubicTo(c1, c2, p2);
    }
    return path;
}

} // namespace

SparklineView::Range SparklineView::yRange(const std::vector<double>& data) {
    if (data.empty())
        return {0.0, 1.0};
    const auto [smallest, largest] = std::minmax_element(data.begin(), data.end());
    return {std::max(*smallest * 0.8, 0.0), std::max(*largest * 1.2, 1.0)};
}

SparklineView::SparklineView(Tone tone, QWidget* parent) : QWidget(parent), m_tone(tone) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SparklineView::setData(std::vector<double> data) {
    // Most updates repeat the history the card already shows; only a change is worth a repaint.
    if (data == m_data)
        return;
    m_data = std::move(data);
    describe();
    update();
}

void SparklineView::setSubject(QString subject, QString unit) {
    m_subject = std::move(subject);
    m_unit = std::move(unit);
    describe();
}

// The curve in words: what it shows, how many values and their range.
void SparklineView::describe() {
    const QString subject = m_subject.isEmpty() ? tr("Recent values") : m_subject;
    if (m_data.empty()) {
        setAccessibleName(tr("%1, no values yet").arg(subject));
        return;
    }
    const auto [low, high] = std::minmax_element(m_data.begin(), m_data.end());
    const auto number = [this](double value) {
        const QString digits = localNumber(value, value < 10 ? 1 : 0);
        return m_unit.isEmpty() ? digits : digits + u' ' + m_unit;
    };
    //: Read out by screen readers: "Internet response time, last 60 values, 12 ms to 31 ms"
    setAccessibleName(tr("%1, last %n values, %2 to %3", nullptr, int(m_data.size()))
                          .arg(subject, number(*low), number(*high)));
}

void SparklineView::setTone(Tone tone) {
    if (tone == m_tone)
        return;
    m_tone = tone;
    update();
}

void SparklineView::paintEvent(QPaintEvent*) {
    if (m_data.empty())
        return;
    const Range range = yRange(m_data);
    const QRectF area = QRectF(rect()).adjusted(1, 1.5, -1, -1.5);
    const double span = range.high - range.low;
    const std::size_t n = m_data.size();
    std::vector<QPointF> points;
    points.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double x =
            n == 1 ? area.center().x()
                   : area.left() + area.width() * static_cast<double>(i) / static_cast<double>(n - 1);
        const double value = std::clamp(m_data[i], range.low, range.high);
        points.emplace_back(x, area.bottom() - area.height() * (value - range.low) / span);
    }

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = Palette::colour(m_tone, palette());
    if (n == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(points.front(), 2.0, 2.0);
        return;
    }

    const QPainterPath line = curveThrough(points);
    QPainterPath fill = line;
    fill.lineTo(points.back().x(), area.bottom());
    fill.lineTo(points.front().x(), area.bottom());
    fill.closeSubpath();
    QLinearGradient areaGradient(0, area.top(), 0, area.bottom());
    QColor top = colour;
    top.setAlphaF(0.3f);
    QColor bottom = colour;
    bottom.setAlphaF(0.0f);
    areaGradient.setColorAt(0, top);
    areaGradient.setColorAt(1, bottom);
    p.fillPath(fill, areaGradient);

    // The line brightens toward the newest value.
    QLinearGradient lineGradient(area.left(), 0, area.right(), 0);
    QColor faded = colour;
    faded.setAlphaF(0.55f);
    lineGradient.setColorAt(0, faded);
    lineGradient.setColorAt(1, colour);
    p.setPen(QPen(QBrush(lineGradient), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
}
