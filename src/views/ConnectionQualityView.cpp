#include "views/ConnectionQualityView.h"

#include "views/QualityBreakdownRow.h"
#include "views/QualityRingView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

ConnectionQualityView::ConnectionQualityView(QWidget* parent) : QWidget(parent) {
    m_header = new CollapsibleHeader(tr("CONNECTION QUALITY"), this);
    CardFrame* card = CardFrame::fill(this, m_header);
    QVBoxLayout* content = card->content();

    auto* summary = new QHBoxLayout;
    summary->setSpacing(Space::lPlus);
    m_ring = new QualityRingView(card);
    summary->addWidget(m_ring);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(Space::xxs);
    texts->setAlignment(Qt::AlignVCenter);
    m_rating = makeLabel(QString(), TextStyle::headline, {}, card);
    texts->addWidget(m_rating);
    m_description = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    m_description->setWordWrap(true);
    texts->addWidget(m_description);
    summary->addLayout(texts, 1);
    content->addLayout(summary);

    m_breakdown = new QWidget(card);
    QVBoxLayout* rows = makeColumn(m_breakdown, Space::s);
    rows->addWidget(new Divider(m_breakdown));
    const QualityCardData empty = qualityCard({});
    for (const QualityBreakdownLine& line : empty.breakdown) {
        m_rows.push_back(new QualityBreakdownRow(line, m_breakdown));
        rows->addWidget(m_rows.back());
    }
    content->addWidget(m_breakdown);
    m_breakdown->setVisible(false);
    connect(m_header, &CollapsibleHeader::toggled, m_breakdown, &QWidget::setVisible);

    setData(empty);
}

void ConnectionQualityView::setData(const QualityCardData& data) {
    m_ring->setQuality(data.quality);
    m_rating->setText(data.rating);
    m_description->setText(data.description);
    for (std::size_t i = 0; i < m_rows.size() && i < data.breakdown.size(); ++i)
        m_rows[i]->setLine(data.breakdown[i]);
}

void ConnectionQualityView::setShowBreakdown(bool show) {
    m_header->setExpanded(show);
}
