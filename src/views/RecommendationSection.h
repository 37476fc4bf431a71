#pragma once

#include "viewmodel/ChannelRecommendationsPresenter.h"

#include <QWidget>

// One band's rated channels under its title, on a rounded panel.
class RecommendationSection final : public QWidget {
    Q_OBJECT

public:
    explicit RecommendationSection(const RecommendationBand& band, QWidget* parent = nullptr);
};
