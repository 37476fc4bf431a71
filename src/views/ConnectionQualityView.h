#pragma once

#include "viewmodel/DiagnosticsCards.h"

#include <QWidget>

#include <vector>

class CollapsibleHeader;
class QLabel;
class QualityBreakdownRow;
class QualityRingView;

// The score ring with the rating and its meaning; the header folds out the four sub-scores.
class ConnectionQualityView final : public QWidget {
    Q_OBJECT

public:
    explicit ConnectionQualityView(QWidget* parent = nullptr);

    void setData(const QualityCardData& data);
    void setShowBreakdown(bool show);

private:
    CollapsibleHeader* m_header = nullptr;
    QualityRingView* m_ring = nullptr;
    QLabel* m_rating = nullptr;
    QLabel* m_description = nullptr;
    QWidget* m_breakdown = nullptr;
    std::vector<QualityBreakdownRow*> m_rows;
};
