#pragma once

#include "views/kit/Colour.h"

#include <QMargins>

#include <optional>

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

// How a box is drawn: its background (a colour at an opacity), its corners, an optional border of
// the same colour, the padding inside it and the gap between what it holds.
struct BoxStyle {
    Colour background{};
    double opacity = 1.0;
    int radius = 0;
    QMargins padding{};
    // The style's own gap when none is given.
    std::optional<int> spacing{};
    double borderOpacity = 0.0;
};

// Styles `box` and lays it out as a column or a row; answers the layout.
QVBoxLayout* makeBoxColumn(QWidget* box, const BoxStyle& style);
QHBoxLayout* makeBoxRow(QWidget* box, const BoxStyle& style);
