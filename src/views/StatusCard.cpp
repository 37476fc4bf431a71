#include "views/StatusCard.h"

#include "views/SignalBarsView.h"
#include "views/kit/Box.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

StatusCard::StatusCard(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("statusCard"));
    QVBoxLayout* column = makeBoxColumn(this, {.background = Colour::windowBackground,
                                               .radius = Radius::panel,
                                               .padding = padding(Space::xl),
                                               .spacing = Space::mPlus});

    auto* networkRow = new QHBoxLayout;
    auto* networkText = new QVBoxLayout;
    networkText->setSpacing(Space::xxs);
    m_network = makeLabel({}, TextStyle::headline, {}, this);
    m_network->setWordWrap(true);
    m_details = makeLabel({}, TextStyle::caption, Colour::secondary, this);
    m_locationRequired = makeLabel(tr("Location required"), TextStyle::caption, Tone::orange, this);
    networkText->addWidget(m_network);
    networkText->addWidget(m_details);
    networkText->addWidget(m_locationRequired);
    networkRow->addLayout(networkText, 1);
    m_bars = new SignalBarsView(this);
    networkRow->addWidget(m_bars, 0, Qt::AlignVCenter);
    column->addLayout(networkRow);

    column->addWidget(new Divider(this));

    auto* scoreRow = new QHBoxLayout;
    scoreRow->setSpacing(Space::l);
    m_score = makeLabel({}, TextStyle::largeScore, {}, this);
    scoreRow->addWidget(m_score, 0, Qt::AlignVCenter);
    auto* headlineColumn = new QVBoxLayout;
    headlineColumn->setSpacing(Space::xxs);
    m_headline = makeLabel({}, TextStyle::title3, {}, this);
    m_headline->setAlignment(Qt::AlignRight);
    m_description = makeLabel({}, TextStyle::caption, Colour::secondary, this);
    m_description->setAlignment(Qt::AlignRight);
    m_description->setWordWrap(true);
    headlineColumn->addWidget(m_headline);
    headlineColumn->addWidget(m_description);
    m_insight = new QWidget(this);
    QHBoxLayout* insightRow = makeRow(m_insight, Space::xxsPlus);
    insightRow->addStretch();
    m_insightArrow = new QLabel(m_insight);
    m_insightText = makeLabel({}, TextStyle::caption2, {}, m_insight);
    insightRow->addWidget(m_insightArrow);
    insightRow->addWidget(m_insightText);
    headlineColumn->addWidget(m_insight);
    scoreRow->addLayout(headlineColumn, 1);
    column->addLayout(scoreRow);

    m_paused = new QWidget(this);
    auto* pausedRow = new QHBoxLayout(m_paused);
    pausedRow->setContentsMargins(Space::none, Space::xs, Space::none, Space::none);
    pausedRow->setSpacing(Space::xs);
    pausedRow->addWidget(
        makeSymbolLabel(QStringLiteral("pause.circle"), Colour::secondary, SymbolSize::s, m_paused));
    pausedRow->addWidget(makeLabel(tr("Monitoring paused"), TextStyle::caption, Colour::secondary, m_paused));
    pausedRow->addStretch();
    column->addWidget(m_paused);
    // Wrapped texts can leave spare height; it belongs below the blocks, not inside them.
    column->addStretch();
}

void StatusCard::setContent(const StatusCardScreen& content) {
    m_network->setText(content.network);
    setLabelColour(m_network, content.networkKnown ? Colour::text : Colour::secondary);
    m_details->setVisible(content.details.has_value());
    if (content.details)
        m_details->setText(*content.details);
    m_locationRequired->setVisible(content.showsLocationRequired);
    m_bars->setRssi(content.rssi);
    m_bars->setVisible(content.showsSignal);

    m_score->setText(content.score);
    m_score->setAccessibleName(content.scoreSpoken);
    setLabelColour(m_score, content.rating);
    m_headline->setText(content.headline);
    setLabelColour(m_headline, content.rating);
    m_description->setText(content.description);

    m_insight->setVisible(content.insight.has_value());
    if (content.insight) {
        setSymbol(m_insightArrow, content.insight->symbol, content.insight->tone, SymbolSize::xs);
        m_insightText->setText(content.insight->text);
        setLabelColour(m_insightText, content.insight->tone);
    }
    m_paused->setVisible(content.showsPaused);
}
