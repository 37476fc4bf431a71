#include "views/ConnectionQualityView.h"

#include "views/QualityBreakdownRow.h"
#include "views/QualityRingView.h"
#include "views/kit/CardFrame.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

ConnectionQualityView::ConnectionQualityView(QWidget* parent) : QWidget(parent) {
    m_header = new CollapsibleHeader(QStringLiteral("CONNECTION QUALITY"), this);
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
    m_rows = {new QualityBreakdownRow(QStringLiteral("Signal"),
                                      QStringLiteral("antenna.radiowaves.left.and.right"), m_breakdown),
              new QualityBreakdownRow(QStringLiteral("Latency"), QStringLiteral("clock"), m_breakdown),
              new QualityBreakdownRow(QStringLiteral("Jitter"), QStringLiteral("waveform.path"), m_breakdown),
              new QualityBreakdownRow(QStringLiteral("Stability"), QStringLiteral("checkmark.circle"),
                                      m_breakdown)};
    for (QualityBreakdownRow* row : m_rows)
        rows->addWidget(row);
    content->addWidget(m_breakdown);
    m_breakdown->setVisible(false);
    connect(m_header, &CollapsibleHeader::toggled, m_breakdown, &QWidget::setVisible);

    setQuality({});
}

void ConnectionQualityView::setQuality(const ConnectionQuality& quality) {
    m_ring->setQuality(quality);
    m_rating->setText(toQString(rawValue(quality.rating)));
    m_description->setText(toQString(description(quality.rating)));
    m_rows[0]->setScore(quality.breakdown.signal);
    m_rows[1]->setScore(quality.breakdown.latency);
    m_rows[2]->setScore(quality.breakdown.jitter);
    m_rows[3]->setScore(quality.breakdown.packetLoss);
}

bool ConnectionQualityView::showsBreakdown() const {
    return m_header->isExpanded();
}

void ConnectionQualityView::setShowBreakdown(bool show) {
    m_header->setExpanded(show);
}
