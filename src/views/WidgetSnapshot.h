#pragma once

#include <QImage>

class QWidget;

// Draws `widget` off screen at its laid-out size with `scale` pixels per point; a null image when
// the widget has no size.
QImage renderWidget(QWidget& widget, double scale);
