#pragma once

#include <QWidget>

class QLabel;

// One speed-test rate: symbol and label above the value.
class SpeedMetric final : public QWidget {
    Q_OBJECT

public:
    SpeedMetric(const QString& label, const QString& icon, QWidget* parent = nullptr);

    void setValue(const QString& rate);

private:
    QLabel* m_value = nullptr;
};
