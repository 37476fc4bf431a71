#pragma once

#include "core/ConnectionQuality.h"

#include <QWidget>

// The score as a ring filled by its share of 100, with the number in the middle.
class QualityRingView final : public QWidget {
    Q_OBJECT

public:
    explicit QualityRingView(QWidget* parent = nullptr);

    void setQuality(const ConnectionQuality& quality);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    int m_score = 0;
    QualityRating m_rating = QualityRating::unknown;
};
