#pragma once

#include <QWidget>

#include "views/kit/Colour.h"

class QLabel;

// A small label above a value in its colour.
class MetricItem final : public QWidget {
    Q_OBJECT

public:
    explicit MetricItem(const QString& label, QWidget* parent = nullptr);

    void setValue(const QString& value, Colour colour);

private:
    QLabel* m_value = nullptr;
};
