#include "views/ChannelGraphView.h"

#include "probes/WiFiScannerService.h"
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

namespace {
const QString kFootnote2GHz = QStringLiteral("Recommended: Ch 1, 6, or 11 (non-overlapping)");
const QString kFootnote5GHz = QStringLiteral("Recommended: Channels 36-48 or 149-165 (non-DFS)");
} // namespace

ChannelGraphView::ChannelGraphView(WiFiScannerService& scanner, QWidget* parent)
    : QWidget(parent), m_scanner(scanner) {
    m_card = makeCollapsibleCard(this, QStringLiteral("Channel Usage"), Space::s);
    QVBoxLayout* body = m_card.bodyColumn;

    auto* picker = new QHBoxLayout;
    picker->setSpacing(Space::xs);
    picker->addWidget(makeLabel(QStringLiteral("Band"), TextStyle::caption, Colour::secondary, m_card.body));
    picker->addStretch();
    m_choose2GHz = new BandFilterButton(QStringLiteral("2.4 GHz"), m_card.body);
    m_choose5GHz = new BandFilterButton(QStringLiteral("5 GHz"), m_card.body);
    connect(m_choose2GHz, &QPushButton::clicked, this, [this] { setSelectedBand(WiFiBand::band2_4GHz); });
    connect(m_choose5GHz, &QPushButton::clicked, this, [this] { setSelectedBand(WiFiBand::band5GHz); });
    picker->addWidget(m_choose2GHz);
    picker->addWidget(m_choose5GHz);
    body->addLayout(picker);

    m_placeholder = makeLabel(QStringLiteral("Scan networks to see channel usage"), TextStyle::caption,
                              Colour::secondary, m_card.body);
    m_placeholder->setAlignment(Qt::AlignCenter);
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
    legend->addWidget(new LegendItem(Tone::gray, QStringLiteral("Empty"), 0.3, m_card.body));
    legend->addWidget(new LegendItem(Tone::green, QStringLiteral("Low"), 1.0, m_card.body));
    legend->addWidget(new LegendItem(Tone::orange, QStringLiteral("Busy"), 1.0, m_card.body));
    legend->addWidget(new LegendItem(Tone::red, QStringLiteral("Crowded"), 1.0, m_card.body));
    legend->addStretch();
    body->addLayout(legend);

    connect(&m_scanner, &WiFiScannerService::networksChanged, this, &ChannelGraphView::refresh);
    connect(&m_scanner, &WiFiScannerService::channelUsage2GHzChanged, m_chart2GHz,
            &Channel2GHzChart::setChannelUsage);
    connect(&m_scanner, &WiFiScannerService::channelUsage5GHzChanged, m_chart5GHz,
            &Channel5GHzChart::setChannelUsage);
    m_chart2GHz->setChannelUsage(m_scanner.channelUsage2GHz());
    m_chart5GHz->setChannelUsage(m_scanner.channelUsage5GHz());
    refresh();
}

void ChannelGraphView::setSelectedBand(WiFiBand band) {
    m_selectedBand = band == WiFiBand::band5GHz ? WiFiBand::band5GHz : WiFiBand::band2_4GHz;
    refresh();
}

void ChannelGraphView::refresh() {
    const bool is5GHz = m_selectedBand == WiFiBand::band5GHz;
    m_choose2GHz->setSelected(!is5GHz);
    m_choose5GHz->setSelected(is5GHz);
    const bool empty = m_scanner.networks().empty();
    m_placeholder->setVisible(empty);
    m_chart2GHz->setVisible(!empty && !is5GHz);
    m_chart5GHz->setVisible(!empty && is5GHz);
    m_footnote->setVisible(!empty);
    m_footnote->setText(is5GHz ? kFootnote5GHz : kFootnote2GHz);
}
