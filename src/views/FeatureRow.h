#pragma once

#include <QString>
#include <QWidget>

#include "views/kit/Colour.h"

#include <vector>

// A symbol in a fixed column followed by a line of text, as listed on the last onboarding page and in
// the about window.
class FeatureRow final : public QWidget {
    Q_OBJECT

public:
    struct Feature {
        QString icon;
        Colour colour;
        QString text;
    };

    FeatureRow(const Feature& feature, QWidget* parent = nullptr);

    // The features one under the other.
    static QWidget* list(const std::vector<Feature>& features, QWidget* parent);
};
