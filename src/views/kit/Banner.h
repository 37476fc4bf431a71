#pragma once

#include "core/Tone.h"

#include <QString>

class QFrame;
class QLabel;

// Lays `frame` out as a banner: a box tinted in `tone` with `symbol` and `title` in that tone above a
// caption in the secondary colour. Answers the caption; more content goes below it, in the frame's
// column.
QLabel* makeBanner(QFrame* frame, const QString& symbol, const QString& title, Tone tone);
