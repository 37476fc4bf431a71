#pragma once

#include "probes/ChannelRecommendation.h"

#include <QWidget>

#include <vector>

// One band's rated channels under its title, on a rounded panel.
class RecommendationSection final : public QWidget {
    Q_OBJECT

public:
    RecommendationSection(const QString& title, const std::vector<ChannelRecommendation>& recommendations,
                          QWidget* parent = nullptr);
};
