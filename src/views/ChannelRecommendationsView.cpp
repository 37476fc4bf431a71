#include "views/ChannelRecommendationsView.h"

#include "probes/WiFiScannerService.h"
#include "views/RecommendationSection.h"
#include "views/kit/Card.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

ChannelRecommendationsView::ChannelRecommendationsView(WiFiScannerService& scanner, QWidget* parent)
    : QWidget(parent), m_scanner(scanner) {
    QVBoxLayout* column = fillWithCard(this);
    m_header = new CollapsibleHeader(QStringLiteral("Recommended Channels"), this);
    // The badge sits between the title and the chevron.
    m_bestBadge = makeBadge({}, TextStyle::caption2, Tone::green, m_header);
    m_bestBadge->setObjectName(QStringLiteral("bestChannel"));
    styleBox(m_bestBadge, Tone::green, 0.2, 4);
    if (auto* row = qobject_cast<QHBoxLayout*>(m_header->layout()))
        row->insertWidget(2, m_bestBadge);
    column->addWidget(m_header);

    m_body = makeCollapsibleBody(m_header, 8, this);
    auto* body = static_cast<QVBoxLayout*>(m_body->layout());
    column->addWidget(m_body);

    m_placeholder = new QWidget(m_body);
    auto* placeholder = new QVBoxLayout(m_placeholder);
    placeholder->setContentsMargins(0, 6, 0, 6);
    placeholder->setSpacing(6);
    placeholder->addWidget(makeSymbolLabel(QStringLiteral("antenna.radiowaves.left.and.right"),
                                           Colour::secondary, 22, m_placeholder),
                           0, Qt::AlignHCenter);
    placeholder->addWidget(makeLabel(QStringLiteral("Scan networks to get recommendations"),
                                     TextStyle::caption, Colour::secondary, m_placeholder),
                           0, Qt::AlignHCenter);
    m_scanNow = new QPushButton(symbolIcon(QStringLiteral("wifi"), Palette::colour(Colour::accent), 11),
                                QStringLiteral("Scan Now"), m_placeholder);
    m_scanNow->setFont(styledFont(TextStyle::caption, font()));
    m_scanNow->setCursor(Qt::PointingHandCursor);
    connect(m_scanNow, &QPushButton::clicked, this, [this] { m_scanner.startScan(); });
    placeholder->addWidget(m_scanNow, 0, Qt::AlignHCenter);
    body->addWidget(m_placeholder);

    m_list = new QWidget(m_body);
    m_sections = new QVBoxLayout(m_list);
    m_sections->setContentsMargins(0, 0, 0, 0);
    m_sections->setSpacing(8);
    body->addWidget(m_list);

    m_footnote = new QWidget(m_body);
    auto* footnote = new QHBoxLayout(m_footnote);
    footnote->setContentsMargins(0, 0, 0, 0);
    footnote->setSpacing(6);
    footnote->addWidget(makeSymbolLabel(QStringLiteral("lightbulb.fill"), Tone::yellow, 11, m_footnote), 0,
                        Qt::AlignTop);
    QLabel* text =
        makeLabel(QStringLiteral("For 2.4 GHz, channels 1, 6, and 11 are non-overlapping. For 5 GHz, "
                                 "any channel works well due to wider spacing."),
                  TextStyle::caption2, Colour::secondary, m_footnote);
    text->setWordWrap(true);
    footnote->addWidget(text, 1);
    body->addWidget(m_footnote);

    connect(m_header, &CollapsibleHeader::toggled, this, &ChannelRecommendationsView::refresh);
    connect(&m_scanner, &WiFiScannerService::recommendationsChanged, this,
            &ChannelRecommendationsView::refresh);
    refresh();
}

void ChannelRecommendationsView::refresh() {
    const auto& recommendations = m_scanner.recommendations();
    const bool any = !recommendations.empty();
    m_bestBadge->setVisible(any && !m_header->isExpanded());
    if (any)
        m_bestBadge->setText(QStringLiteral("Ch %1").arg(recommendations.front().channel));
    m_placeholder->setVisible(!any);
    m_list->setVisible(any);
    m_footnote->setVisible(any);

    while (QLayoutItem* item = m_sections->takeAt(0)) {
        delete item->widget();
        delete item;
    }
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
