#include "views/SymbolIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void drawGlobe(QPainter& p, const QRectF& r, const QColor& colour) {
    QPen pen(colour, r.width() / 14.0);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    const QRectF meridian = r.adjusted(r.width() * 0.28, 0, -r.width() * 0.28, 0);
    p.drawEllipse(meridian);
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    const qreal inset = r.height() * 0.22;
    QPainterPath latitudes;
    latitudes.moveTo(r.left() + r.width() * 0.12, r.top() + inset);
    latitudes.lineTo(r.right() - r.width() * 0.12, r.top() + inset);
    latitudes.moveTo(r.left() + r.width() * 0.12, r.bottom() - inset);
    latitudes.lineTo(r.right() - r.width() * 0.12, r.bottom() - inset);
    p.drawPath(latitudes);
}

QPixmap render(const QString& name, const QColor& colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size * 0.08;
    const bool badge = name == QLatin1String("globe.badge.chevron.backward");
    const qreal globeSize = badge ? size * 0.72 : size - 2 * margin;
    drawGlobe(p, QRectF(margin, margin, globeSize, globeSize), colour);
    if (badge) {
        // A small "back" chevron in the lower right: the portal wants you to go somewhere first.
        const qreal s = size * 0.36;
        const QRectF b(size - s - margin * 0.2, size - s - margin * 0.2, s, s);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0x95, 0x00));
        p.drawEllipse(b);
        QPen chevron(Qt::white, s / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(chevron);
        QPainterPath path;
        path.moveTo(b.center().x() + s * 0.12, b.top() + s * 0.25);
        path.lineTo(b.center().x() - s * 0.14, b.center().y());
        path.lineTo(b.center().x() + s * 0.12, b.bottom() - s * 0.25);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    return pixmap;
}

} // namespace

QIcon symbolIcon(const QString& name, const QColor& colour) {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(render(name, colour, size));
    return icon;
}
