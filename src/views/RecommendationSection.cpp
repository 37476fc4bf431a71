#include "views/RecommendationSection.h"

#include "views/RecommendationRow.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

RecommendationSection::RecommendationSection(const QString& title,
                                             const std::vector<ChannelRecommendation>& recommendations,
                                             QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    QLabel* heading = makeLabel(title, TextStyle::caption, Colour::secondary, this);
    QFont font = heading->font();
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    column->addWidget(heading);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("recommendationPanel"));
    styleBox(panel, Colour::windowBackground, 1.0, 8);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 4, 0, 4);
    rows->setSpacing(2);
    for (const ChannelRecommendation& recommendation : recommendations)
        rows->addWidget(new RecommendationRow(recommendation, panel));
    column->addWidget(panel);
}
