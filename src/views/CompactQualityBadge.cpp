#include "views/CompactQualityBadge.h"

#include "viewmodel/DiagnosticsFormat.h"
#include "viewmodel/QualityText.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>

using namespace Metrics;

CompactQualityBadge::CompactQualityBadge(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("compactQualityBadge"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::s, Space::xxsPlus));
    row->setSpacing(Space::xxsPlus);
    m_icon = new QLabel(this);
    row->addWidget(m_icon);
    m_score = makeLabel(QString(), TextStyle::caption, {}, this);
    QFont font = m_score->font();
    font.setWeight(QFont::DemiBold);
    m_score->setFont(font);
    row->addWidget(m_score);
    setQuality({});
}

void CompactQualityBadge::setQuality(const ConnectionQuality& quality) {
    m_score->setText(localNumber(quality.score));
    setAccessibleName(qualitySentence(quality.score, quality.rating));
    if (m_styled && quality.rating == m_rating)
        return;
    m_styled = true;
    m_rating = quality.rating;
    const Tone colour = tone(quality.rating);
    const std::string_view icon = ratingIcon(quality.rating);
    setSymbol(m_icon, toQString(icon), colour, SymbolSize::xs);
    setLabelColour(m_score, colour);
    styleBox(this, colour, 0.15, Radius::badge);
}
