#include "views/RecommendationRow.h"

#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

RecommendationRow::RecommendationRow(const RecommendationLine& line, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::m, Space::xs));
    row->setSpacing(Space::m);

    QLabel* score = makeBadge(line.score, TextStyle::caption, line.scoreTone, this);
    QFont bold = score->font();
    bold.setWeight(QFont::Bold);
    score->setFont(bold);
    // One width for every score, so the channel names line up.
    score->setFixedWidth(Size::channelScoreWidth);
    row->addWidget(score, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(Space::hairline);
    auto* title = new QHBoxLayout;
    title->setSpacing(Space::xsPlus);
    QLabel* channel = makeLabel(line.channel, TextStyle::caption, {}, this);
    QFont medium = channel->font();
    medium.setWeight(QFont::Medium);
    channel->setFont(medium);
    title->addWidget(channel);
    if (line.isBest) {
        QLabel* best = makeBadge(tr("Best"), TextStyle::caption2, Tone::green, this);
        QFont semibold = best->font();
        semibold.setWeight(QFont::DemiBold);
        best->setFont(semibold);
        title->addWidget(best);
    }
    title->addStretch();
    text->addLayout(title);
    QLabel* reason = makeLabel(line.reason, TextStyle::caption2, Colour::secondary, this);
    reason->setWordWrap(true);
    text->addWidget(reason);
    row->addLayout(text, 1);

    if (!line.networkCount.isEmpty()) {
        auto* count = new QVBoxLayout;
        count->setSpacing(Space::none);
        QLabel* number = makeLabel(line.networkCount, TextStyle::caption, {}, this);
        number->setObjectName(QStringLiteral("networkCount"));
        number->setFont(medium);
        number->setAlignment(Qt::AlignRight);
        QLabel* unit = makeLabel(tr("networks"), TextStyle::caption2, Colour::secondary, this);
        unit->setAlignment(Qt::AlignRight);
        count->addWidget(number);
        count->addWidget(unit);
        row->addLayout(count);
    }
}
