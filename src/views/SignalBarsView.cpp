#include "views/SignalBarsView.h"
#include "views/kit/Strings.h"

#include "views/kit/Palette.h"

#include <QPainter>

#include <array>

namespace {
struct Geometry {
    std::array<int, 4> heights;
    int barWidth;
    int gap;
    qreal radius;
};

Geometry barGeometry(SignalBarsView::Kind kind) {
    if (kind == SignalBarsView::Kind::nearby)
        return {{4, 7, 10, 13}, 3, 1, 1};
    return {{8, 12, 18, 24}, 6, 3, 2};
}
} // namespace

SignalBarsView::Lit SignalBarsView::litFor(std::optional<int> rssi, Kind kind) {
    if (!rssi || *rssi < -80)
        return {0, {}};
    if (kind == Kind::nearby) {
        if (*rssi >= -50)
            return {4, Tone::green};
        if (*rssi >= -60)
            return {3, Tone::yellow};
        if (*rssi >= -70)
            return {2, Tone::orange};
        return {1, Tone::red};
    }
    if (*rssi >= -50)
        return {4, Tone::green};
    if (*rssi >= -60)
        return {3, Tone::green};
    if (*rssi >= -70)
        return {2, Tone::yellow};
    return {1, Tone::orange};
}

SignalBarsView::SignalBarsView(QWidget* parent) : SignalBarsView(Kind::link, parent) {}

SignalBarsView::SignalBarsView(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setFixedSize(sizeHint());
    describe();
}

void SignalBarsView::setRssi(std::optional<int> rssi) {
    m_rssi = rssi;
    describe();
    update();
}

// The bars' meaning in words, for screen readers; the words follow the number of lit bars.
void SignalBarsView::describe() {
    if (!m_rssi) {
        setAccessibleName(tr("Signal strength unknown"));
        return;
    }
    const std::array<QString, 5> words{tr("very weak"), tr("weak"), tr("fair"), tr("good"), tr("excellent")};
    //: Read out by screen readers; %1 is the signal in dBm (a negative number), %2 a word such as "good"
    setAccessibleName(tr("Signal %1 dBm, %2").arg(localNumber(*m_rssi), words[std::size_t(lit().count)]));
}

QSize SignalBarsView::sizeHint() const {
    const Geometry g = barGeometry(m_kind);
    // The nearby bars sit in a frame one point taller than the tallest bar.
    const int frame = m_kind == Kind::nearby ? 14 : g.heights.back();
    return {4 * g.barWidth + 3 * g.gap, frame};
}

void SignalBarsView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const Geometry g = barGeometry(m_kind);
    const Lit state = lit();
    QColor unlit = Palette::colour(Tone::gray, palette());
    unlit.setAlphaF(0.3f);
    for (int i = 0; i < 4; ++i) {
        const int h = g.heights[static_cast<std::size_t>(i)];
        p.setBrush(i < state.count && state.tone ? Palette::colour(*state.tone, palette()) : unlit);
        p.drawRoundedRect(QRectF(i * (g.barWidth + g.gap), height() - h, g.barWidth, h), g.radius, g.radius);
    }
}
