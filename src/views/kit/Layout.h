#pragma once

#include <optional>

class QHBoxLayout;
class QLayout;
class QVBoxLayout;
class QWidget;

// A column or a row that fills `owner` edge to edge, its items `spacing` apart (the style's spacing
// when none is given).
QVBoxLayout* makeColumn(QWidget* owner, std::optional<int> spacing = std::nullopt);
QHBoxLayout* makeRow(QWidget* owner, std::optional<int> spacing = std::nullopt);

// Deletes every item of `layout` and the widgets in them, for lists that are rebuilt.
void clearLayout(QLayout* layout);

// A column `width` wide with `symbol` centred in it, so the texts of rows beside such columns line
// up.
QWidget* makeSymbolColumn(QWidget* symbol, int width, QWidget* parent);

// `widget` keeps its room in the layout while hidden, so what is beside it does not move.
void keepRoomWhenHidden(QWidget* widget);
