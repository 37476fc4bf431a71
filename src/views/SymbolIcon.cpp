#include "views/SymbolIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

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

QPen roundPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A filled disc with a white mark drawn on it by `mark` (in a 0..1 square over the disc).
template <typename Mark>
void drawFilledCircle(QPainter& p, const QRectF& r, const QColor& colour, Mark mark) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(r);
    p.setPen(roundPen(Qt::white, r.width() * 0.1));
    p.setBrush(Qt::NoBrush);
    const auto at = [&r](qreal x, qreal y) {
        return QPointF(r.left() + x * r.width(), r.top() + y * r.height());
    };
    mark(p, at);
}

// The update banner's symbols; answers false for names drawn elsewhere.
bool drawBannerSymbol(QPainter& p, const QString& name, const QRectF& r, const QColor& colour) {
    if (name == QLatin1String("arrow.down.circle.fill")) {
        drawFilledCircle(p, r, colour, [](QPainter& q, auto at) {
            q.drawLine(at(0.5, 0.25), at(0.5, 0.72));
            q.drawPolyline(QPolygonF{at(0.3, 0.53), at(0.5, 0.73), at(0.7, 0.53)});
        });
    } else if (name == QLatin1String("checkmark.circle.fill")) {
        drawFilledCircle(p, r, colour, [](QPainter& q, auto at) {
            q.drawPolyline(QPolygonF{at(0.28, 0.52), at(0.44, 0.68), at(0.73, 0.35)});
        });
    } else if (name == QLatin1String("xmark")) {
        p.setPen(roundPen(colour, r.width() * 0.11));
        const QRectF x =
            r.adjusted(r.width() * 0.22, r.height() * 0.22, -r.width() * 0.22, -r.height() * 0.22);
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    } else if (name == QLatin1String("arrow.clockwise")) {
        p.setPen(roundPen(colour, r.width() * 0.1));
        const QRectF arc =
            r.adjusted(r.width() * 0.15, r.height() * 0.15, -r.width() * 0.15, -r.height() * 0.15);
        // Open at the top right, where the arrow head points on round.
        p.drawArc(arc, 60 * 16, 300 * 16);
        const QPointF tip(arc.center().x() + arc.width() / 2 * 0.5, arc.top() + arc.height() * 0.067);
        p.drawPolyline(QPolygonF{tip + QPointF(-r.width() * 0.2, -r.height() * 0.1), tip,
                                 tip + QPointF(-r.width() * 0.05, r.height() * 0.2)});
    } else {
        return false;
    }
    return true;
}

QPixmap render(const QString& name, const QColor& colour, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size * 0.08;
    if (drawBannerSymbol(p, name, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), colour))
        return pixmap;
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
