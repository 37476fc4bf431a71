#pragma once

#include <QWidget>

#include "core/Tone.h"

// A colour swatch and what it stands for.
class LegendItem final : public QWidget {
    Q_OBJECT

public:
    // `opacity` fades the swatch, e.g. for the gray of empty channels.
    LegendItem(Tone tone, const QString& label, double opacity = 1.0, QWidget* parent = nullptr);
};
