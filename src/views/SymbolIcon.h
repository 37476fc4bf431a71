#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// Our own drawings for the symbol names the program uses ("globe", "globe.badge.chevron.backward",
// and the update banner's "arrow.down.circle.fill", "checkmark.circle.fill", "xmark", "arrow.clockwise"),
// so the tray icon looks the same on every desktop theme.
QIcon symbolIcon(const QString& name, const QColor& colour = QColor(0x3a, 0x3a, 0x3c));
