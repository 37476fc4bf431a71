#include "views/kit/Buttons.h"

#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"

#include <QAbstractButton>
#include <QToolButton>

QIcon buttonSymbol(const QString& name, const QWidget* widget, int size) {
    return symbolIcon(name, widget->palette().color(QPalette::ButtonText), size);
}

void setButtonTextColour(QAbstractButton* button, Colour colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Palette::colour(colour));
    button->setPalette(palette);
}

void hideMenuIndicator(QToolButton* button) {
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
}
