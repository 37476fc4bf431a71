#pragma once

#include "views/kit/Colour.h"

#include <QIcon>
#include <QString>

class QAbstractButton;
class QToolButton;
class QWidget;

// A symbol in the colour of `widget`'s button text, for buttons and menu entries.
QIcon buttonSymbol(const QString& name, const QWidget* widget, int size);
// A button whose text is drawn in `colour` rather than the button text colour.
void setButtonTextColour(QAbstractButton* button, Colour colour);
// The arrow Qt adds to a button with a menu would crowd its symbol.
void hideMenuIndicator(QToolButton* button);
