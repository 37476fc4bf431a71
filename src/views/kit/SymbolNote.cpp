#include "views/kit/SymbolNote.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

using namespace Metrics;

QHBoxLayout* makeSymbolCaption(const QString& symbol, Colour symbolColour, const QString& text,
                               QWidget* parent) {
    auto* caption = new QHBoxLayout;
    caption->setSpacing(Space::xxsPlus);
    caption->addWidget(makeSymbolLabel(symbol, symbolColour, SymbolSize::xs, parent));
    caption->addWidget(makeLabel(text, TextStyle::caption2, Colour::secondary, parent));
    caption->addStretch();
    return caption;
}

SymbolNote makeSymbolNote(const QString& symbol, Tone tone, const QString& text, TextStyle style,
                          Colour colour, QWidget* parent) {
    auto* row = new QWidget(parent);
    QHBoxLayout* layout = makeRow(row, Space::s);
    layout->addWidget(makeSymbolLabel(symbol, tone, SymbolSize::s, row), 0, Qt::AlignTop);
    QLabel* label = makeLabel(text, style, colour, row);
    label->setWordWrap(true);
    layout->addWidget(label, 1);
    return {row, label};
}
