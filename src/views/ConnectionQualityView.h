#pragma once

#include "core/ConnectionQuality.h"

#include <QWidget>

#include <array>

class CollapsibleHeader;
class QLabel;
class QualityBreakdownRow;
class QualityRingView;

// The score ring with the rating and its meaning; the header folds out the four sub-scores.
class ConnectionQualityView final : public QWidget {
    Q_OBJECT

public:
    explicit ConnectionQualityView(QWidget* parent = nullptr);

    void setQuality(const ConnectionQuality& quality);
    bool showsBreakdown() const;
    void setShowBreakdown(bool show);
    CollapsibleHeader* header() const { return m_header; }
    const QualityBreakdownRow* row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }

private:
    CollapsibleHeader* m_header = nullptr;
    QualityRingView* m_ring = nullptr;
    QLabel* m_rating = nullptr;
    QLabel* m_description = nullptr;
    QWidget* m_breakdown = nullptr;
    std::array<QualityBreakdownRow*, 4> m_rows{};
};
