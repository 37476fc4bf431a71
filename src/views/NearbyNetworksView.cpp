#include "views/NearbyNetworksView.h"

#include "probes/WiFiScannerService.h"
#include "views/ActivityIndicator.h"
#include "views/BandFilterButton.h"
#include "views/DiagnosticsFormat.h"
#include "views/NetworkRow.h"
#include "views/ScanDisplayRules.h"
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

#include <algorithm>

using namespace Metrics;

NearbyNetworksView::NearbyNetworksView(WiFiScannerService& scanner, Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_scanner(scanner) {
    m_card = makeCollapsibleCard(this, QStringLiteral("Nearby Networks"), Space::m);
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
                                   QStringLiteral("Scan for Networks"), m_card.body);
    m_scanButton->setObjectName(QStringLiteral("scanButton"));
    m_scanButton->setFont(styledFont(TextStyle::caption, font()));
    m_scanButton->setCursor(Qt::PointingHandCursor);
    m_scanButton->setStyleSheet(buttonSheet);
    connect(m_scanButton, &QPushButton::clicked, this, [this] { m_scanner.startScan(); });
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
    scanning->addWidget(
        makeLabel(QStringLiteral("Scanning..."), TextStyle::caption, Colour::accent, m_scanningBox));
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
    empty->addWidget(
        makeLabel(QStringLiteral("No networks found"), TextStyle::caption, Colour::secondary, m_emptyState),
        0, Qt::AlignHCenter);
    body->addWidget(m_emptyState);

    m_rows = new QVBoxLayout;
    m_rows->setSpacing(Space::xs);
    body->addLayout(m_rows);

    connect(&m_scanner, &WiFiScannerService::networksChanged, this, [this] {
        rebuildFilters();
        refresh();
    });
    connect(&m_scanner, &WiFiScannerService::isScanningChanged, this, &NearbyNetworksView::refresh);
    connect(&m_scanner, &WiFiScannerService::scanErrorChanged, this, &NearbyNetworksView::refresh);
    connect(&m_scanner, &WiFiScannerService::lastScanTimeChanged, this, &NearbyNetworksView::refreshScanTime);
    rebuildFilters();
    refresh();
    refreshScanTime();
}

std::vector<BandFilterButton*> NearbyNetworksView::filterButtons() const {
    std::vector<BandFilterButton*> buttons;
    for (const auto& [band, button] : m_filters)
        buttons.push_back(button);
    return buttons;
}

void NearbyNetworksView::setSelectedBand(std::optional<WiFiBand> band) {
    m_selectedBand = band;
    for (const auto& [choice, button] : m_filters)
        button->setSelected(choice == m_selectedBand);
    refresh();
}

void NearbyNetworksView::rebuildFilters() {
    const auto choices = bandFilterChoices(m_scanner.networks());
    // A band that is no longer offered would leave the list empty with nothing selected.
    if (std::find(choices.begin(), choices.end(), m_selectedBand) == choices.end())
        m_selectedBand.reset();
    bool same = choices.size() == m_filters.size();
    for (std::size_t i = 0; same && i < choices.size(); ++i)
        same = choices[i] == m_filters[i].first;
    if (same)
        return;
    for (const auto& [band, button] : m_filters)
        delete button;
    m_filters.clear();
    for (const auto& choice : choices) {
        auto* button = new BandFilterButton(QString::fromStdString(bandFilterTitle(choice)), m_card.body);
        button->setSelected(choice == m_selectedBand);
        connect(button, &QPushButton::clicked, this, [this, choice] { setSelectedBand(choice); });
        m_filterRow->addWidget(button);
        m_filters.emplace_back(choice, button);
    }
    m_filterRow->addStretch();
}

void NearbyNetworksView::refresh() {
    const auto& networks = m_scanner.networks();
    m_card.header->setDetail(networks.empty() ? QString() : QStringLiteral("(%1)").arg(networks.size()));

    const bool scanning = m_scanner.isScanning();
    m_scanButton->setVisible(!scanning);
    m_scanningBox->setVisible(scanning);

    const auto& error = m_scanner.scanError();
    m_errorBox->setVisible(error.has_value());
    m_errorText->setText(error ? QString::fromStdString(*error) : QString());

    m_emptyState->setVisible(networks.empty() && !scanning);
    clearLayout(m_rows);
    if (!networks.empty())
        for (const ScannedNetwork& network : networksOnBand(networks, m_selectedBand))
            m_rows->addWidget(new NetworkRow(network, m_card.body));
}

void NearbyNetworksView::refreshScanTime() {
    const auto& when = m_scanner.lastScanTime();
    m_scanTime->setVisible(when.has_value());
    m_scanTime->setTime(when);
}
