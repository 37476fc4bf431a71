#include "views/ConnectionQualityView.h"

#include "views/QualityBreakdownRow.h"
#include "views/QualityRingView.h"
#include "views/kit/Card.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}
} // namespace

ConnectionQualityView::ConnectionQualityView(QWidget* parent) : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(this);
    outer->addWidget(card);
    QVBoxLayout* content = card->content();

    m_header = new CollapsibleHeader(QStringLiteral("CONNECTION QUALITY"), card);
    content->addWidget(m_header);

    auto* summary = new QHBoxLayout;
    summary->setSpacing(14);
    m_ring = new QualityRingView(card);
    summary->addWidget(m_ring);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->setAlignment(Qt::AlignVCenter);
    m_rating = makeLabel(QString(), TextStyle::headline, {}, card);
    texts->addWidget(m_rating);
    m_description = makeLabel(QString(), TextStyle::caption, Colour::secondary, card);
    m_description->setWordWrap(true);
    texts->addWidget(m_description);
    summary->addLayout(texts, 1);
    content->addLayout(summary);

    m_breakdown = new QWidget(card);
    auto* rows = new QVBoxLayout(m_breakdown);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(6);
    auto* divider = new QFrame(m_breakdown);
    divider->setObjectName(QStringLiteral("breakdownDivider"));
    divider->setFixedHeight(1);
    styleBox(divider, Tone::gray, 0.3, 0);
    rows->addWidget(divider);
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
    m_rating->setText(text(rawValue(quality.rating)));
    m_description->setText(text(description(quality.rating)));
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
