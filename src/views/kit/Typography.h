#pragma once

#include "views/kit/Colour.h"

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// The text styles of the interface, sized in device-independent pixels so they scale with the
// screen rather than with the desktop's font setting.
enum class TextStyle {
    largeScore,
    // The score inside the quality ring.
    ringScore,
    title,
    title2,
    title3,
    headline,
    subheadline,
    body,
    callout,
    caption,
    caption2
};

QFont styledFont(TextStyle style, const QFont& base);
// `style` in the fixed-pitch family, for addresses and figures that should line up.
QFont monospacedFont(TextStyle style, const QFont& base);
// Gives `label` the font of `style` and `colour`, for plain text.
void styleLabel(QLabel* label, TextStyle style, Colour colour);
// A label in `style` and `colour`.
QLabel* makeLabel(const QString& text, TextStyle style, Colour colour = {}, QWidget* parent = nullptr);
// Measured numbers: the style's size in the monospaced family, so digits do not jump as they change.
QLabel* makeNumberLabel(TextStyle style, QFont::Weight weight, Colour colour, QWidget* parent);
// Re-colours a label made by makeLabel; the same colour again costs nothing.
void setLabelColour(QLabel* label, Colour colour);
// A label showing a symbol at `size` points.
QLabel* makeSymbolLabel(const QString& name, Colour colour, int size, QWidget* parent = nullptr);
void setSymbol(QLabel* label, const QString& name, Colour colour, int size);
// The chevron of a section that folds: up while expanded, down while collapsed.
void setChevron(QLabel* label, bool expanded);
// A small rounded label in `colour` on the same colour at 20% opacity, e.g. a score or "Best".
QLabel* makeBadge(const QString& text, TextStyle style, Colour colour, QWidget* parent = nullptr);
// Re-colours and re-labels a badge made by makeBadge.
void setBadge(QLabel* badge, const QString& text, Colour colour);
// A framed box with a background of `colour` at `opacity`, rounded by `radius`, with an optional
// border of the colour at `borderOpacity`.
void styleBox(QWidget* box, Colour colour, double opacity, int radius, double borderOpacity = 0.0);
// The same with a border of another colour.
void styleBox(QWidget* box, Colour colour, double opacity, int radius, Colour border, double borderOpacity);
