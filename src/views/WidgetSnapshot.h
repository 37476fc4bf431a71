#pragma once

#include <QImage>

class QString;
class QVBoxLayout;
class QWidget;

// Draws `widget` off screen at its laid-out size with `scale` pixels per point; a null image when
// the widget has no size.
QImage renderWidget(QWidget& widget, double scale);

// Lays `view` out as a shareable picture: 320 points wide on the window background, with `title`
// and today's date at the top. Answers the column for the rest of the content.
QVBoxLayout* makeSnapshotColumn(QWidget* view, const QString& title);
