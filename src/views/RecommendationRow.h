#pragma once

#include "viewmodel/ChannelRecommendationsPresenter.h"

#include <QWidget>

// One rated channel: score badge, channel, "Best" for the top scores, the reason and the count of
// networks already on it.
class RecommendationRow final : public QWidget {
    Q_OBJECT

public:
    explicit RecommendationRow(const RecommendationLine& line, QWidget* parent = nullptr);
};
