#include "views/NearbyNetworksView.h"

#include "viewmodel/NearbyNetworksPresenter.h"
#include "views/ActivityIndicator.h"
#include "views/BandFilterButton.h"
#include "views/NetworkRow.h"
#include "views/kit/Box.h"
#include "views/kit/CardFrame.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/RelativeTimeLabel.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Metrics;

NearbyNetworksView::NearbyNetworksView(NearbyNetworksPresenter& presenter, Scheduler& scheduler,
                                       QWidget* parent)
    : QWidget(parent), m_presenter(presenter) {
    m_card = makeCollapsibleCard(this, tr("Nearby Networks"), Space::m);
    QVBoxLayout* body = m_card.bodyColumn;

    const QPalette palette = this->palette();
    const QString buttonSheet =
        QStringLiteral(
            "QPushButton, #scanning { color: %1; background: %2; border: none; border-radius: %3px;"
            " padding: %4px %5px; }")
            .arg(Palette::css(Palette::colour(Colour::accent, palette)),
                 Palette::css(Palette::faded(Colour::accent, 0.1, palette)))
            .arg(Radius::control)
            .arg(Space::xsPlus)
            .arg(Space::mPlus);
    m_scanButton = new QPushButton(symbolIcon(QStringLiteral("antenna.radiowaves.left.and.right"),
                                              Palette::colour(Colour::accent, palette), SymbolSize::m),
                                   tr("Scan for Networks"), m_card.body);
    m_scanButton->setObjectName(QStringLiteral("scanButton"));
    m_scanButton->setFont(styledFont(TextStyle::caption, font()));
    m_scanButton->setCursor(Qt::PointingHandCursor);
    m_scanButton->setStyleSheet(buttonSheet);
    connect(m_scanButton, &QPushButton::clicked, this, [this] { m_presenter.startScan(); });
    body->addWidget(m_scanButton);

    m_scanningBox = new QWidget(m_card.body);
    m_scanningBox->setObjectName(QStringLiteral("scanning"));
    m_scanningBox->setAttribute(Qt::WA_StyledBackground);
    m_scanningBox->setStyleSheet(buttonSheet);
    auto* scanning = new QHBoxLayout(m_scanningBox);
    scanning->setContentsMargins(padding(Space::mPlus, Space::xsPlus));
    scanning->setSpacing(Space::s);
    scanning->addStretch();
    scanning->addWidget(new ActivityIndicator(SymbolSize::m, m_scanningBox));
    scanning->addWidget(makeLabel(tr("Scanning..."), TextStyle::caption, Colour::accent, m_scanningBox));
    scanning->addStretch();
    body->addWidget(m_scanningBox);

    m_scanTime = new RelativeTimeLabel(scheduler, TextStyle::caption2, Colour::secondary, {}, m_card.body);
    m_scanTime->setObjectName(QStringLiteral("scanTime"));
    body->addWidget(m_scanTime);

    m_filterRow = new QHBoxLayout;
    m_filterRow->setSpacing(Space::xs);
    body->addLayout(m_filterRow);

    m_errorBox = new QFrame(m_card.body);
    m_errorBox->setObjectName(QStringLiteral("scanError"));
    QHBoxLayout* error = makeBoxRow(m_errorBox, {.background = Tone::orange,
                                                 .opacity = 0.1,
                                                 .radius = Radius::control,
                                                 .padding = padding(Space::m, Space::s),
                                                 .spacing = Space::s});
    error->addWidget(makeSymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), Tone::orange,
                                     SymbolSize::m, m_errorBox),
                     0, Qt::AlignTop);
    m_errorText = makeLabel({}, TextStyle::caption, Colour::secondary, m_errorBox);
    m_errorText->setWordWrap(true);
    error->addWidget(m_errorText, 1);
    body->addWidget(m_errorBox);

    m_emptyState = new QWidget(m_card.body);
    m_emptyState->setObjectName(QStringLiteral("emptyState"));
    auto* empty = new QVBoxLayout(m_emptyState);
    empty->setContentsMargins(padding(Space::none, Space::m));
    empty->setSpacing(Space::xs);
    empty->addWidget(makeSymbolLabel(QStringLiteral("wifi.slash"), Colour::secondary, SymbolSize::placeholder,
                                     m_emptyState),
                     0, Qt::AlignHCenter);
    empty->addWidget(makeLabel(tr("No networks found"), TextStyle::caption, Colour::secondary, m_emptyState),
                     0, Qt::AlignHCenter);
    body->addWidget(m_emptyState);

    m_rows = new QVBoxLayout;
    m_rows->setSpacing(Space::xs);
    body->addLayout(m_rows);

    connect(&presenter, &NearbyNetworksPresenter::changed, this, &NearbyNetworksView::render);
    render();
}

void NearbyNetworksView::rebuildFilters() {
    const auto& filters = m_presenter.screen().filters;
    std::vector<QString> titles;
    for (const BandFilterChoice& filter : filters)
        titles.push_back(filter.title);
    // Buttons are made again only when the bands on offer change.
    if (titles != m_filterTitles) {
        m_filterTitles = titles;
        for (BandFilterButton* button : m_filters)
            delete button;
        m_filters.clear();
        for (std::size_t i = 0; i < filters.size(); ++i) {
            auto* button = new BandFilterButton(filters[i].title, m_card.body);
            connect(button, &QPushButton::clicked, this, [this, i] { m_presenter.chooseFilter(i); });
            m_filterRow->addWidget(button);
            m_filters.push_back(button);
        }
        m_filterRow->addStretch();
    }
    for (std::size_t i = 0; i < filters.size(); ++i)
        m_filters[i]->setSelected(filters[i].selected);
}

void NearbyNetworksView::render() {
    const NearbyNetworksScreen& screen = m_presenter.screen();
    rebuildFilters();
    m_card.header->setDetail(screen.count);

    m_scanButton->setVisible(!screen.scanning);
    m_scanningBox->setVisible(screen.scanning);

    m_errorBox->setVisible(!screen.error.isEmpty());
    m_errorText->setText(screen.error);

    m_emptyState->setVisible(screen.showsEmptyState);
    clearLayout(m_rows);
    for (const NearbyNetworkRow& row : screen.rows)
        m_rows->addWidget(new NetworkRow(row, m_card.body));

    m_scanTime->setVisible(screen.lastScan.has_value());
    m_scanTime->setTime(screen.lastScan);
}
