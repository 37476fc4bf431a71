#include "views/ChannelRecommendationsView.h"

#include "probes/WiFiScannerService.h"
#include "views/RecommendationSection.h"
#include "views/kit/CardFrame.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/SymbolNote.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

ChannelRecommendationsView::ChannelRecommendationsView(WiFiScannerService& scanner, QWidget* parent)
    : QWidget(parent), m_scanner(scanner) {
    m_card = makeCollapsibleCard(this, QStringLiteral("Recommended Channels"), Space::m);
    QVBoxLayout* body = m_card.bodyColumn;
    m_bestBadge = makeBadge({}, TextStyle::caption2, Tone::green, m_card.header);
    m_bestBadge->setObjectName(QStringLiteral("bestChannel"));
    styleBox(m_bestBadge, Tone::green, 0.2, Radius::badge);
    m_card.header->addBesideTitle(m_bestBadge);

    m_placeholder = new QWidget(m_card.body);
    QVBoxLayout* placeholder = makeColumn(m_placeholder, Space::s);
    placeholder->setContentsMargins(padding(Space::none, Space::s));
    placeholder->addWidget(makeSymbolLabel(QStringLiteral("antenna.radiowaves.left.and.right"),
                                           Colour::secondary, SymbolSize::placeholder, m_placeholder),
                           0, Qt::AlignHCenter);
    placeholder->addWidget(makeLabel(QStringLiteral("Scan networks to get recommendations"),
                                     TextStyle::caption, Colour::secondary, m_placeholder),
                           0, Qt::AlignHCenter);
    m_scanNow =
        new QPushButton(symbolIcon(QStringLiteral("wifi"), Palette::colour(Colour::accent), SymbolSize::s),
                        QStringLiteral("Scan Now"), m_placeholder);
    m_scanNow->setFont(styledFont(TextStyle::caption, font()));
    m_scanNow->setCursor(Qt::PointingHandCursor);
    connect(m_scanNow, &QPushButton::clicked, this, [this] { m_scanner.startScan(); });
    placeholder->addWidget(m_scanNow, 0, Qt::AlignHCenter);
    body->addWidget(m_placeholder);

    m_list = new QWidget(m_card.body);
    m_sections = makeColumn(m_list, Space::m);
    body->addWidget(m_list);

    m_footnote =
        makeSymbolNote(QStringLiteral("lightbulb.fill"), Tone::yellow,
                       QStringLiteral("For 2.4 GHz, channels 1, 6, and 11 are non-overlapping. For 5 GHz, "
                                      "any channel works well due to wider spacing."),
                       TextStyle::caption2, Colour::secondary, m_card.body)
            .row;
    body->addWidget(m_footnote);

    connect(m_card.header, &CollapsibleHeader::toggled, this, &ChannelRecommendationsView::refresh);
    connect(&m_scanner, &WiFiScannerService::recommendationsChanged, this,
            &ChannelRecommendationsView::refresh);
    refresh();
}

void ChannelRecommendationsView::refresh() {
    const auto& recommendations = m_scanner.recommendations();
    const bool any = !recommendations.empty();
    m_bestBadge->setVisible(any && !m_card.header->isExpanded());
    if (any)
        m_bestBadge->setText(QStringLiteral("Ch %1").arg(recommendations.front().channel));
    m_placeholder->setVisible(!any);
    m_list->setVisible(any);
    m_footnote->setVisible(any);

    clearLayout(m_sections);
    for (const auto& [band, title] : {std::pair{WiFiBand::band2_4GHz, QStringLiteral("2.4 GHz")},
                                      std::pair{WiFiBand::band5GHz, QStringLiteral("5 GHz")}}) {
        std::vector<ChannelRecommendation> inBand;
        for (const ChannelRecommendation& recommendation : recommendations)
            if (recommendation.band == band)
                inBand.push_back(recommendation);
        if (any)
            m_sections->addWidget(new RecommendationSection(title, inBand, m_list));
    }
}
