#pragma once

#include "probes/ChannelRecommendation.h"

#include <QWidget>

class QLabel;

// One rated channel: score badge, channel, "Best" for the top scores, the reason and the count of
// networks already on it.
class RecommendationRow final : public QWidget {
    Q_OBJECT

public:
    explicit RecommendationRow(const ChannelRecommendation& recommendation, QWidget* parent = nullptr);

    QLabel* scoreBadge() const { return m_score; }
    // None below the best scores.
    QLabel* bestBadge() const { return m_best; }
    // None when no network is on the channel.
    QLabel* networkCount() const { return m_count; }

private:
    QLabel* m_score = nullptr;
    QLabel* m_best = nullptr;
    QLabel* m_count = nullptr;
};
