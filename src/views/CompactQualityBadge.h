#pragma once

#include "core/ConnectionQuality.h"

#include <QFrame>

class QLabel;

// The rating's symbol and the score on a tinted chip, for tight rows such as the toolbar.
class CompactQualityBadge final : public QFrame {
    Q_OBJECT

public:
    explicit CompactQualityBadge(QWidget* parent = nullptr);

    void setQuality(const ConnectionQuality& quality);
    const QLabel* iconLabel() const { return m_icon; }

private:
    QLabel* m_icon = nullptr;
    QLabel* m_score = nullptr;
    QualityRating m_rating = QualityRating::unknown;
    bool m_styled = false;
};
