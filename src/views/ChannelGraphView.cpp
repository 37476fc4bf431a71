#include "views/ChannelGraphView.h"

#include "probes/WiFiScannerService.h"
#include "views/BandFilterButton.h"
#include "views/Channel2GHzChart.h"
#include "views/Channel5GHzChart.h"
#include "views/LegendItem.h"
#include "views/kit/Card.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kFootnote2GHz = QStringLiteral("Recommended: Ch 1, 6, or 11 (non-overlapping)");
const QString kFootnote5GHz = QStringLiteral("Recommended: Channels 36-48 or 149-165 (non-DFS)");
} // namespace

ChannelGraphView::ChannelGraphView(WiFiScannerService& scanner, QWidget* parent)
    : QWidget(parent), m_scanner(scanner) {
    QVBoxLayout* column = fillWithCard(this);
    m_header = new CollapsibleHeader(QStringLiteral("Channel Usage"), this);
    column->addWidget(m_header);

    m_body = makeCollapsibleBody(m_header, 6, this);
    auto* body = static_cast<QVBoxLayout*>(m_body->layout());
    column->addWidget(m_body);

    auto* picker = new QHBoxLayout;
    picker->setSpacing(4);
    picker->addWidget(makeLabel(QStringLiteral("Band"), TextStyle::caption, Colour::secondary, m_body));
    picker->addStretch();
    m_choose2GHz = new BandFilterButton(QStringLiteral("2.4 GHz"), m_body);
    m_choose5GHz = new BandFilterButton(QStringLiteral("5 GHz"), m_body);
    connect(m_choose2GHz, &QPushButton::clicked, this, [this] { setSelectedBand(WiFiBand::band2_4GHz); });
    connect(m_choose5GHz, &QPushButton::clicked, this, [this] { setSelectedBand(WiFiBand::band5GHz); });
    picker->addWidget(m_choose2GHz);
    picker->addWidget(m_choose5GHz);
    body->addLayout(picker);

    m_placeholder = makeLabel(QStringLiteral("Scan networks to see channel usage"), TextStyle::caption,
                              Colour::secondary, m_body);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setMinimumHeight(40);
    body->addWidget(m_placeholder);
    m_chart2GHz = new Channel2GHzChart(m_body);
    m_chart5GHz = new Channel5GHzChart(m_body);
    body->addWidget(m_chart2GHz);
    body->addWidget(m_chart5GHz);
    m_footnote = makeLabel({}, TextStyle::caption2, Colour::secondary, m_body);
    m_footnote->setWordWrap(true);
    body->addWidget(m_footnote);

    auto* legend = new QHBoxLayout;
    legend->setSpacing(10);
    legend->addWidget(new LegendItem(Tone::gray, QStringLiteral("Empty"), 0.3, m_body));
    legend->addWidget(new LegendItem(Tone::green, QStringLiteral("Low"), 1.0, m_body));
    legend->addWidget(new LegendItem(Tone::orange, QStringLiteral("Busy"), 1.0, m_body));
    legend->addWidget(new LegendItem(Tone::red, QStringLiteral("Crowded"), 1.0, m_body));
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
