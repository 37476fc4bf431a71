#include "views/RecommendationRow.h"

#include "viewmodel/DiagnosticsFormat.h"
#include "viewmodel/ScanDisplayRules.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

RecommendationRow::RecommendationRow(const ChannelRecommendation& recommendation, QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::m, Space::xs));
    row->setSpacing(Space::m);

    m_score = makeBadge(QString::number(recommendation.score), TextStyle::caption,
                        scoreTone(recommendation.score), this);
    QFont bold = m_score->font();
    bold.setWeight(QFont::Bold);
    m_score->setFont(bold);
    // One width for every score, so the channel names line up.
    m_score->setFixedWidth(Size::channelScoreWidth);
    row->addWidget(m_score, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(Space::hairline);
    auto* title = new QHBoxLayout;
    title->setSpacing(Space::xsPlus);
    QLabel* channel =
        makeLabel(QStringLiteral("Channel %1").arg(recommendation.channel), TextStyle::caption, {}, this);
    QFont medium = channel->font();
    medium.setWeight(QFont::Medium);
    channel->setFont(medium);
    title->addWidget(channel);
    if (isBestScore(recommendation.score)) {
        m_best = makeBadge(QStringLiteral("Best"), TextStyle::caption2, Tone::green, this);
        QFont semibold = m_best->font();
        semibold.setWeight(QFont::DemiBold);
        m_best->setFont(semibold);
        title->addWidget(m_best);
    }
    title->addStretch();
    text->addLayout(title);
    QLabel* reason = makeLabel(QString::fromStdString(recommendation.reason), TextStyle::caption2,
                               Colour::secondary, this);
    reason->setWordWrap(true);
    text->addWidget(reason);
    row->addLayout(text, 1);

    if (recommendation.networkCount >= 1) {
        auto* count = new QVBoxLayout;
        count->setSpacing(Space::none);
        m_count = makeLabel(QString::number(recommendation.networkCount), TextStyle::caption, {}, this);
        m_count->setFont(medium);
        m_count->setAlignment(Qt::AlignRight);
        QLabel* unit = makeLabel(QStringLiteral("networks"), TextStyle::caption2, Colour::secondary, this);
        unit->setAlignment(Qt::AlignRight);
        count->addWidget(m_count);
        count->addWidget(unit);
        row->addLayout(count);
    }
}
