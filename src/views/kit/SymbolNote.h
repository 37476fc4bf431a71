#pragma once

#include "views/kit/Colour.h"
#include "views/kit/Typography.h"

#include <QString>

class QHBoxLayout;
class QLabel;
class QWidget;

// A note: a small symbol at the top left of a text that wraps over as many lines as it needs.
struct SymbolNote {
    QWidget* row;
    QLabel* text;
};

// A small caption led by its symbol, such as "↓ Download" above a rate; left-aligned in its row.
QHBoxLayout* makeSymbolCaption(const QString& symbol, Colour symbolColour, const QString& text,
                               QWidget* parent);

SymbolNote makeSymbolNote(const QString& symbol, Tone tone, const QString& text, TextStyle style,
                          Colour colour, QWidget* parent);
