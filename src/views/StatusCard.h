#pragma once

#include "viewmodel/StatusPresenter.h"

#include <QFrame>

class QLabel;
class SignalBarsView;

// The link at a glance: the network and its signal, the score with its headline, how today
// compares with the usual, and whether monitoring is paused.
class StatusCard final : public QFrame {
    Q_OBJECT

public:
    explicit StatusCard(QWidget* parent = nullptr);
    void setContent(const StatusCardScreen& content);

private:
    QLabel* m_network = nullptr;
    QLabel* m_details = nullptr;
    QLabel* m_locationRequired = nullptr;
    SignalBarsView* m_bars = nullptr;
    QLabel* m_score = nullptr;
    QLabel* m_headline = nullptr;
    QLabel* m_description = nullptr;
    QWidget* m_insight = nullptr;
    QLabel* m_insightArrow = nullptr;
    QLabel* m_insightText = nullptr;
    QWidget* m_paused = nullptr;
};
