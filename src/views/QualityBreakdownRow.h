#pragma once

#include <QWidget>

class QLabel;

// One sub-score of the quality: its symbol and name, a short bar, and the number.
class QualityBreakdownRow final : public QWidget {
    Q_OBJECT

public:
    QualityBreakdownRow(const QString& label, const QString& icon, QWidget* parent = nullptr);

    void setScore(int score);
    int score() const { return m_score; }
    const QLabel* scoreLabel() const { return m_number; }

private:
    class Bar;
    Bar* m_bar = nullptr;
    QLabel* m_number = nullptr;
    int m_score = -1;
};
