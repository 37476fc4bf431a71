#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The one table from the symbol names the program uses ("wifi.slash", "lightbulb.fill", ...) to
// pictures: the icon theme's symbolic icon where one fits, else a small drawing of our own. Every
// symbol comes out in one colour, tinted like a symbolic icon.

// A tinted icon with pixmaps at `size` and twice `size`; a null icon for a name the table lacks.
QIcon symbolIcon(const QString& name, const QColor& colour, int size);
// The picture at `size` points and `devicePixelRatio`; null for a name the table lacks.
QPixmap symbolPixmap(const QString& name, const QColor& colour, int size, double devicePixelRatio);
// The picture filled with a vertical gradient from `top` to `bottom` instead of one colour.
QPixmap gradientSymbolPixmap(const QString& name, const QColor& top, const QColor& bottom, int size,
                             double devicePixelRatio);
// Every name in the table.
QStringList symbolNames();
