#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QFrame>

class QLabel;
class SparklineView;

// One ping target: its history, average response time with a stability note, and dropped pings.
class PingCard final : public QFrame {
    Q_OBJECT

public:
    PingCard(const QString& title, QWidget* parent = nullptr);

    void setTarget(const QString& target);
    void setData(const PingCardData& card);

private:
    QLabel* m_target = nullptr;
    SparklineView* m_sparkline = nullptr;
    QLabel* m_average = nullptr;
    QLabel* m_jitter = nullptr;
    QLabel* m_loss = nullptr;
};
