#include "views/SignalBarsView.h"

#include "views/Palette.h"

#include <QPainter>

#include <array>

namespace {
constexpr std::array<int, 4> kHeights{8, 12, 18, 24};
constexpr int kBarWidth = 6;
constexpr int kGap = 3;
} // namespace

SignalBarsView::Lit SignalBarsView::litFor(std::optional<int> rssi) {
    if (!rssi || *rssi < -80)
        return {0, {}};
    if (*rssi >= -50)
        return {4, "green"};
    if (*rssi >= -60)
        return {3, "green"};
    if (*rssi >= -70)
        return {2, "yellow"};
    return {1, "orange"};
}

SignalBarsView::SignalBarsView(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    setAccessibleName(QStringLiteral("Signal strength"));
}

void SignalBarsView::setRssi(std::optional<int> rssi) {
    m_rssi = rssi;
    update();
}

QSize SignalBarsView::sizeHint() const {
    return {4 * kBarWidth + 3 * kGap, kHeights.back()};
}

void SignalBarsView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const Lit state = lit();
    QColor unlit = Palette::colour("gray", palette());
    unlit.setAlphaF(0.3f);
    for (int i = 0; i < 4; ++i) {
        const int h = kHeights[static_cast<std::size_t>(i)];
        p.setBrush(i < state.count ? Palette::colour(state.colourName, palette()) : unlit);
        p.drawRoundedRect(QRectF(i * (kBarWidth + kGap), height() - h, kBarWidth, h), 2, 2);
    }
}
