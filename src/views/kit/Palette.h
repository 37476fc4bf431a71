#pragma once

#include "views/kit/Colour.h"

#include <QColor>
#include <QPalette>
#include <QString>

// Where colours become pixels. The tones have a light and a dark variant so text in them stays
// readable on either window background; the desktop's colours come from its palette.
class Palette final {
public:
    static bool isDark(const QPalette& palette);
    static QColor colour(Colour colour, const QPalette& palette);
    // In the application's palette.
    static QColor colour(Colour colour);
    // `colour` at `opacity` (0..1), for the tinted backgrounds and borders.
    static QColor faded(Colour colour, double opacity, const QPalette& palette);
    // Style sheet text for a colour, with its alpha.
    static QString css(const QColor& colour);
};
