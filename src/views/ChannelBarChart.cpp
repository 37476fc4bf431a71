#include "views/ChannelBarChart.h"
#include "views/kit/Strings.h"

#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QLinearGradient>
#include <QPainter>

ChannelBarChart::ChannelBarChart(QString name, QString xTitle, QString yTitle, QWidget* parent)
    : QWidget(parent), m_xTitle(std::move(xTitle)), m_yTitle(std::move(yTitle)) {
    setAccessibleName(name);
    setAccessibleDescription(tr("No networks"));
    setFixedHeight(Metrics::Size::channelChart.height());
    setMinimumWidth(Metrics::Size::channelChartMinimumWidth);
}

QSize ChannelBarChart::sizeHint() const {
    return Metrics::Size::channelChart;
}

void ChannelBarChart::setBars(std::vector<ChannelBar> bars) {
    if (bars == m_bars)
        return;
    m_bars = std::move(bars);
    QStringList counted;
    for (const ChannelBar& bar : m_bars)
        if (bar.count > 0)
            //: One bar of a channel chart, read out by screen readers: "6: 3 networks"
            counted << (bar.count == 1 ? tr("%1: 1 network") : tr("%1: %n networks", nullptr, bar.count))
                           .arg(toQString(bar.label));
    setAccessibleDescription(counted.isEmpty() ? tr("No networks") : counted.join(QStringLiteral(", ")));
    update();
}

void ChannelBarChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette palette = this->palette();
    const QColor secondary = Palette::colour(Colour::secondary, palette);
    const QFont labelFont = styledFont(TextStyle::caption2, font());
    const QFontMetrics metrics(labelFont);
    p.setFont(labelFont);

    const int maximum = axisMaximum(m_bars);
    // Room on the left for the rotated y title and the tick numbers, at the bottom for the channel
    // labels and the x title.
    const int left = metrics.height() + metrics.horizontalAdvance(QString::number(maximum)) + 6;
    const int bottom = 2 * metrics.height() + 4;
    const QRect plot(left, metrics.height() / 2, width() - left - 2,
                     height() - bottom - metrics.height() / 2);

    QColor grid = Palette::colour(Tone::gray, palette);
    grid.setAlphaF(0.25f);
    for (const int tick : {0, maximum / 2, maximum}) {
        const int y = plot.bottom() - barHeight(tick, maximum, plot.height());
        p.setPen(QPen(grid, 1, tick == 0 ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(secondary);
        p.drawText(
            QRect(metrics.height(), y - metrics.height() / 2, left - metrics.height() - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }

    p.save();
    p.translate(metrics.ascent() - 2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-plot.height() / 2, -metrics.ascent(), plot.height(), metrics.height()), Qt::AlignCenter,
               m_yTitle);
    p.restore();
    p.drawText(QRect(plot.left(), height() - metrics.height(), plot.width(), metrics.height()),
               Qt::AlignCenter, m_xTitle);

    if (m_bars.empty())
        return;
    const double slot = static_cast<double>(plot.width()) / static_cast<double>(m_bars.size());
    const double barWidth = std::max(3.0, slot * 0.62);
    for (std::size_t i = 0; i < m_bars.size(); ++i) {
        const ChannelBar& bar = m_bars[i];
        const double centre = plot.left() + slot * (static_cast<double>(i) + 0.5);
        // An empty channel still gets a sliver, so the row of channels reads as complete.
        const int h = std::max(bar.count > 0 ? 1 : 2, barHeight(bar.count, maximum, plot.height()));
        const QRectF rect(centre - barWidth / 2, plot.bottom() - h, barWidth, h);
        QColor colour = Palette::colour(bar.tone, palette);
        if (bar.count == 0)
            colour.setAlphaF(0.3f);
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
        gradient.setColorAt(0, colour);
        QColor lighter = colour;
        lighter.setAlphaF(colour.alphaF() * 0.55f);
        gradient.setColorAt(1, lighter);
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawRoundedRect(rect, 2, 2);
        p.setPen(secondary);
        p.drawText(QRectF(centre - slot / 2, plot.bottom() + 2, slot, metrics.height()), Qt::AlignCenter,
                   QString::fromStdString(bar.label));
    }
}
