#include "views/ChannelGraphView.h"

#include "viewmodel/ChannelUsagePresenter.h"
#include "views/BandFilterButton.h"
#include "views/Channel2GHzChart.h"
#include "views/Channel5GHzChart.h"
#include "views/LegendItem.h"
#include "views/kit/CardFrame.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

ChannelGraphView::ChannelGraphView(ChannelUsagePresenter& presenter, QWidget* parent)
    : QWidget(parent), m_presenter(presenter) {
    m_card = makeCollapsibleCard(this, tr("Channel Usage"), Space::s);
    QVBoxLayout* body = m_card.bodyColumn;

    auto* picker = new QHBoxLayout;
    picker->setSpacing(Space::xs);
    picker->addWidget(makeLabel(tr("Band"), TextStyle::caption, Colour::secondary, m_card.body));
    picker->addStretch();
    m_choose2GHz = new BandFilterButton(tr("2.4 GHz"), m_card.body);
    m_choose5GHz = new BandFilterButton(tr("5 GHz"), m_card.body);
    connect(m_choose2GHz, &QPushButton::clicked, this,
            [this] { m_presenter.chooseBand(WiFiBand::band2_4GHz); });
    connect(m_choose5GHz, &QPushButton::clicked, this,
            [this] { m_presenter.chooseBand(WiFiBand::band5GHz); });
    picker->addWidget(m_choose2GHz);
    picker->addWidget(m_choose5GHz);
    body->addLayout(picker);

    m_placeholder = makeLabel(tr("Scan networks to see channel usage"), TextStyle::caption, Colour::secondary,
                              m_card.body);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setWordWrap(true);
    m_placeholder->setMinimumHeight(Size::placeholderHeight);
    body->addWidget(m_placeholder);
    m_chart2GHz = new Channel2GHzChart(m_card.body);
    m_chart5GHz = new Channel5GHzChart(m_card.body);
    body->addWidget(m_chart2GHz);
    body->addWidget(m_chart5GHz);
    m_footnote = makeLabel({}, TextStyle::caption2, Colour::secondary, m_card.body);
    m_footnote->setWordWrap(true);
    body->addWidget(m_footnote);

    auto* legend = new QHBoxLayout;
    legend->setSpacing(Space::mPlus);
    legend->addWidget(new LegendItem(Tone::gray, tr("Empty"), 0.3, m_card.body));
    legend->addWidget(new LegendItem(Tone::green, tr("Low"), 1.0, m_card.body));
    legend->addWidget(new LegendItem(Tone::orange, tr("Busy"), 1.0, m_card.body));
    legend->addWidget(new LegendItem(Tone::red, tr("Crowded"), 1.0, m_card.body));
    legend->addStretch();
    body->addLayout(legend);

    connect(&presenter, &ChannelUsagePresenter::changed, this, &ChannelGraphView::render);
    render();
}

void ChannelGraphView::render() {
    const ChannelUsageScreen& screen = m_presenter.screen();
    m_choose2GHz->setSelected(!screen.shows5GHz);
    m_choose5GHz->setSelected(screen.shows5GHz);
    m_chart2GHz->setChannelUsage(screen.usage2GHz);
    m_chart5GHz->setChannelUsage(screen.usage5GHz);
    m_placeholder->setVisible(screen.showsPlaceholder);
    m_chart2GHz->setVisible(!screen.showsPlaceholder && !screen.shows5GHz);
    m_chart5GHz->setVisible(!screen.showsPlaceholder && screen.shows5GHz);
    m_footnote->setVisible(!screen.showsPlaceholder);
    m_footnote->setText(screen.footnote);
}
