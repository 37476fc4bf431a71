#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

class QLabel;

// One sub-score of the quality: its symbol and name, a short bar, and the number.
class QualityBreakdownRow final : public QWidget {
    Q_OBJECT

public:
    // The name and symbol stay as first given.
    explicit QualityBreakdownRow(const QualityBreakdownLine& line, QWidget* parent = nullptr);

    void setLine(const QualityBreakdownLine& line);

private:
    class Bar;
    Bar* m_bar = nullptr;
    QLabel* m_number = nullptr;
    QualityBreakdownLine m_line;
};
