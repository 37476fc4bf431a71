#include "system/qt/GuiClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

void GuiClipboard::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void GuiClipboard::setImage(const QImage& image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image);
}
