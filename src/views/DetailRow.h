#pragma once

#include <QWidget>

// A label at the left and its value at the right.
class DetailRow final : public QWidget {
    Q_OBJECT

public:
    DetailRow(const QString& label, const QString& value, QWidget* parent = nullptr);
};
