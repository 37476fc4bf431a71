#pragma once

#include <QString>
#include <QWidget>

#include "views/kit/Colour.h"

// A symbol in a fixed column followed by a line of text, as listed on the last onboarding page and in
// the about window.
class FeatureRow final : public QWidget {
    Q_OBJECT

public:
    FeatureRow(const QString& icon, Colour colour, const QString& text, QWidget* parent = nullptr);
};
