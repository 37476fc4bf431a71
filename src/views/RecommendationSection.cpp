#include "views/RecommendationSection.h"

#include "views/RecommendationRow.h"
#include "views/kit/Box.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

RecommendationSection::RecommendationSection(const RecommendationBand& band, QWidget* parent)
    : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Space::xs);
    QLabel* heading = makeLabel(band.title, TextStyle::caption, Colour::secondary, this);
    QFont font = heading->font();
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    column->addWidget(heading);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("recommendationPanel"));
    QVBoxLayout* rows = makeBoxColumn(panel, {.background = Colour::windowBackground,
                                              .radius = Radius::box,
                                              .padding = padding(Space::none, Space::xs),
                                              .spacing = Space::xxs});
    for (const RecommendationLine& line : band.lines)
        rows->addWidget(new RecommendationRow(line, panel));
    column->addWidget(panel);
}
