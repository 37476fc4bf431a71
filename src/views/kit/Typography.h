#pragma once

#include <QFont>
#include <QString>

#include <string_view>

class QLabel;
class QWidget;

// The text styles of the interface, sized in device-independent pixels so they scale with the
// screen rather than with the desktop's font setting.
enum class TextStyle {
    largeScore,
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
// A label in `style` and the palette colour named `colourName` ("" keeps the window text colour).
QLabel* makeLabel(const QString& text, TextStyle style, std::string_view colourName = {},
                  QWidget* parent = nullptr);
// Measured numbers: the style's size in the monospaced family, so digits do not jump as they change.
QLabel* makeNumberLabel(TextStyle style, QFont::Weight weight, std::string_view colourName, QWidget* parent);
// Re-colours a label made by makeLabel; the same colour again costs nothing.
void setLabelColour(QLabel* label, std::string_view colourName);
// A label showing a symbol at `size` points.
QLabel* makeSymbolLabel(const QString& name, std::string_view colourName, int size,
                        QWidget* parent = nullptr);
void setSymbol(QLabel* label, const QString& name, std::string_view colourName, int size);
// A framed box with a background of `colourName` at `opacity`, rounded by `radius`, with an
// optional border of the colour at `borderOpacity`.
// A small rounded label in `colourName` on the same colour at 20% opacity, e.g. a score or "Best".
QLabel* makeBadge(const QString& text, TextStyle style, std::string_view colourName,
                  QWidget* parent = nullptr);
// Re-colours and re-labels a badge made by makeBadge.
void setBadge(QLabel* badge, const QString& text, std::string_view colourName);
void styleBox(QWidget* box, std::string_view colourName, double opacity, int radius,
              double borderOpacity = 0.0);
