#include "views/ChannelRecommendationsView.h"

#include "viewmodel/ChannelRecommendationsPresenter.h"
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

ChannelRecommendationsView::ChannelRecommendationsView(ChannelRecommendationsPresenter& presenter,
                                                       QWidget* parent)
    : QWidget(parent), m_presenter(presenter) {
    m_card = makeCollapsibleCard(this, tr("Recommended Channels"), Space::m);
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
    // Wraps where a language needs more than the card's width.
    QLabel* prompt = makeLabel(tr("Scan networks to get recommendations"), TextStyle::caption,
                               Colour::secondary, m_placeholder);
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignHCenter);
    placeholder->addWidget(prompt);
    m_scanNow =
        new QPushButton(symbolIcon(QStringLiteral("wifi"), Palette::colour(Colour::accent), SymbolSize::s),
                        tr("Scan Now"), m_placeholder);
    m_scanNow->setObjectName(QStringLiteral("scanNow"));
    m_scanNow->setFont(styledFont(TextStyle::caption, font()));
    m_scanNow->setCursor(Qt::PointingHandCursor);
    connect(m_scanNow, &QPushButton::clicked, this, [this] { m_presenter.startScan(); });
    placeholder->addWidget(m_scanNow, 0, Qt::AlignHCenter);
    body->addWidget(m_placeholder);

    m_list = new QWidget(m_card.body);
    m_sections = makeColumn(m_list, Space::m);
    body->addWidget(m_list);

    m_footnote = makeSymbolNote(QStringLiteral("lightbulb.fill"), Tone::yellow,
                                tr("For 2.4 GHz, channels 1, 6, and 11 are non-overlapping. For 5 GHz, "
                                   "any channel works well due to wider spacing."),
                                TextStyle::caption2, Colour::secondary, m_card.body)
                     .row;
    body->addWidget(m_footnote);

    connect(m_card.header, &CollapsibleHeader::toggled, this, &ChannelRecommendationsView::render);
    connect(&presenter, &ChannelRecommendationsPresenter::changed, this, &ChannelRecommendationsView::render);
    render();
}

void ChannelRecommendationsView::render() {
    const ChannelRecommendationsScreen& screen = m_presenter.screen();
    const bool any = !screen.bestChannel.isEmpty();
    m_bestBadge->setVisible(any && !m_card.header->isExpanded());
    m_bestBadge->setText(screen.bestChannel);
    m_placeholder->setVisible(!any);
    m_list->setVisible(any);
    m_footnote->setVisible(any);

    clearLayout(m_sections);
    for (const RecommendationBand& band : screen.bands)
        m_sections->addWidget(new RecommendationSection(band, m_list));
}
