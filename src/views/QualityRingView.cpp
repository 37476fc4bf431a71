#include "views/QualityRingView.h"

#include "viewmodel/QualityText.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr double kStroke = 6.0;
}

QualityRingView::QualityRingView(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    describe();
}

// The painted score and rating, for screen readers.
void QualityRingView::describe() {
    setAccessibleName(qualitySentence(m_score, m_rating));
}

QSize QualityRingView::sizeHint() const {
    return Metrics::Size::qualityRing;
}

void QualityRingView::setQuality(const ConnectionQuality& quality) {
    if (quality.score == m_score && quality.rating == m_rating)
        return;
    m_score = quality.score;
    m_rating = quality.rating;
    describe();
    update();
}

void QualityRingView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(kStroke / 2, kStroke / 2, -kStroke / 2, -kStroke / 2);
    const QColor colour = Palette::colour(tone(m_rating), palette());

    p.setPen(QPen(Palette::faded(Tone::gray, 0.25, palette()), kStroke));
    p.drawEllipse(ring);
    const double share = std::clamp(m_score, 0, 100) / 100.0;
    if (share > 0) {
        p.setPen(QPen(colour, kStroke, Qt::SolidLine, Qt::RoundCap));
        // From twelve o'clock, clockwise; Qt counts sixteenths of a degree anticlockwise from three.
        p.drawArc(ring, 90 * 16, -static_cast<int>(share * 360 * 16));
    }

    p.setFont(styledFont(TextStyle::ringScore, p.font()));
    p.setPen(colour);
    p.drawText(rect(), Qt::AlignCenter, QString::number(m_score));
}
