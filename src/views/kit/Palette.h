#pragma once

#include <QColor>
#include <QPalette>

#include <string_view>
#include <vector>

// The named colours of the interface ("green", "yellow", "orange", "red", "blue", "gray", "cyan",
// "purple", "secondary", "accent", "windowBackground", "controlBackground"). The signal colours have a light
// and a dark variant so text in them stays readable on either window background; the rest follow
// the desktop's palette.
class Palette final {
public:
    static bool isDark(const QPalette& palette);
    // An unknown name gives gray, so a typo shows up as a dull colour rather than a crash.
    static QColor colour(std::string_view name, const QPalette& palette);
    static QColor colour(std::string_view name);
    // `colour` at `opacity` (0..1), for the tinted backgrounds and borders.
    static QColor faded(std::string_view name, double opacity, const QPalette& palette);
    static const std::vector<std::string_view>& names();
    // Style sheet text for a colour, with its alpha.
    static QString css(const QColor& colour);
};
