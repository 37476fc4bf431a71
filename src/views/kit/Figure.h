#pragma once

#include "views/kit/Colour.h"

class QHBoxLayout;
class QLabel;
class QWidget;

// A measured value in large figures with a short note beside it, on its baseline: "23ms unstable".
// The note starts empty; both take their colours as the value changes.
struct Figure {
    QHBoxLayout* row;
    QLabel* value;
    QLabel* note;
};

Figure makeFigure(Colour valueColour, QWidget* parent);
