#include "views/MenuBarLabel.h"

#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

MenuBarLabel::MenuBarLabel(TrayLabel label) : m_label(std::move(label)) {}

QColor MenuBarLabel::colour() const {
    return Palette::colour(m_label.tone);
}

QImage MenuBarLabel::icon(int size) const {
    if (const QString& value = m_label.iconValue; !value.isEmpty()) {
        // The bright variant of the colour, whatever the window theme: the outline carries it on
        // light panels.
        QPalette dark;
        dark.setColor(QPalette::Window, Qt::black);
        return valueIcon(value, Palette::colour(m_label.tone, dark), size);
    }
    if (!m_label.showIcon)
        return {};
    QImage image = symbolPixmap(m_label.iconName, colour(), size, 1.0).toImage();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage valueIcon(const QString& value, const QColor& colour, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QFont font;
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, value);
    const QRectF glyphs = path.boundingRect();
    if (glyphs.isEmpty())
        return image.convertToFormat(QImage::Format_ARGB32);
    // The panel's colour is unknown: bright digits with a thin dark outline read on a light and a
    // dark panel alike.
    const double outline = std::max(1.0, size / 16.0);
    const double room = size - 2 * outline;
    // As tall as the square allows; wide numbers are narrowed rather than shrunk, but never to less
    // than 55 % of their width, which keeps them legible.
    const double scaleY = std::min(room / glyphs.height(), room / glyphs.width() / 0.55);
    const double scaleX = std::min(scaleY, room / glyphs.width());
    QTransform fit;
    fit.translate(size / 2.0, size / 2.0);
    fit.scale(scaleX, scaleY);
    fit.translate(-glyphs.center().x(), -glyphs.center().y());
    const QPainterPath placed = fit.map(path);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(placed,
                       QPen(QColor(0, 0, 0, 140), 1.6 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(placed, colour);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
