#include "views/NearbyNetworksView.h"

#include "probes/WiFiScannerService.h"
#include "views/ActivityIndicator.h"
#include "views/BandFilterButton.h"
#include "views/DiagnosticsFormat.h"
#include "views/NetworkRow.h"
#include "views/ScanDisplayRules.h"
#include "views/kit/Card.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QString text(const std::string& value) {
    return QString::fromStdString(value);
}
} // namespace

NearbyNetworksView::NearbyNetworksView(WiFiScannerService& scanner, QWidget* parent)
    : QWidget(parent), m_scanner(scanner) {
    QVBoxLayout* column = fillWithCard(this);
    m_header = new CollapsibleHeader(QStringLiteral("Nearby Networks"), this);
    column->addWidget(m_header);

    m_body = makeCollapsibleBody(m_header, 8, this);
    auto* body = static_cast<QVBoxLayout*>(m_body->layout());
    column->addWidget(m_body);

    const QPalette palette = this->palette();
    const QString buttonSheet =
        QStringLiteral("QPushButton, #scanning { color: %1; background: %2; border: none; border-radius: 6px;"
                       " padding: 5px 10px; }")
            .arg(Palette::css(Palette::colour(Colour::accent, palette)),
                 Palette::css(Palette::faded(Colour::accent, 0.1, palette)));
    m_scanButton = new QPushButton(symbolIcon(QStringLiteral("antenna.radiowaves.left.and.right"),
                                              Palette::colour(Colour::accent, palette), 12),
                                   QStringLiteral("Scan for Networks"), m_body);
    m_scanButton->setObjectName(QStringLiteral("scanButton"));
    m_scanButton->setFont(styledFont(TextStyle::caption, font()));
    m_scanButton->setCursor(Qt::PointingHandCursor);
    m_scanButton->setStyleSheet(buttonSheet);
    connect(m_scanButton, &QPushButton::clicked, this, [this] { m_scanner.startScan(); });
    body->addWidget(m_scanButton);

    m_scanningBox = new QWidget(m_body);
    m_scanningBox->setObjectName(QStringLiteral("scanning"));
    m_scanningBox->setAttribute(Qt::WA_StyledBackground);
    m_scanningBox->setStyleSheet(buttonSheet);
    auto* scanning = new QHBoxLayout(m_scanningBox);
    scanning->setContentsMargins(10, 5, 10, 5);
    scanning->setSpacing(6);
    scanning->addStretch();
    scanning->addWidget(new ActivityIndicator(12, m_scanningBox));
    scanning->addWidget(
        makeLabel(QStringLiteral("Scanning..."), TextStyle::caption, Colour::accent, m_scanningBox));
    scanning->addStretch();
    body->addWidget(m_scanningBox);

    m_scanTime = makeLabel({}, TextStyle::caption2, Colour::secondary, m_body);
    m_scanTime->setObjectName(QStringLiteral("scanTime"));
    body->addWidget(m_scanTime);

    m_filterRow = new QHBoxLayout;
    m_filterRow->setSpacing(4);
    body->addLayout(m_filterRow);

    m_errorBox = new QFrame(m_body);
    m_errorBox->setObjectName(QStringLiteral("scanError"));
    styleBox(m_errorBox, Tone::orange, 0.1, 6);
    auto* error = new QHBoxLayout(m_errorBox);
    error->setContentsMargins(8, 6, 8, 6);
    error->setSpacing(6);
    error->addWidget(
        makeSymbolLabel(QStringLiteral("exclamationmark.triangle.fill"), Tone::orange, 12, m_errorBox), 0,
        Qt::AlignTop);
    m_errorText = makeLabel({}, TextStyle::caption, Colour::secondary, m_errorBox);
    m_errorText->setWordWrap(true);
    error->addWidget(m_errorText, 1);
    body->addWidget(m_errorBox);

    m_emptyState = new QWidget(m_body);
    m_emptyState->setObjectName(QStringLiteral("emptyState"));
    auto* empty = new QVBoxLayout(m_emptyState);
    empty->setContentsMargins(0, 8, 0, 8);
    empty->setSpacing(4);
    empty->addWidget(makeSymbolLabel(QStringLiteral("wifi.slash"), Colour::secondary, 22, m_emptyState), 0,
                     Qt::AlignHCenter);
    empty->addWidget(
        makeLabel(QStringLiteral("No networks found"), TextStyle::caption, Colour::secondary, m_emptyState),
        0, Qt::AlignHCenter);
    body->addWidget(m_emptyState);

    m_rows = new QVBoxLayout;
    m_rows->setSpacing(4);
    body->addLayout(m_rows);

    connect(m_header, &CollapsibleHeader::toggled, this, &NearbyNetworksView::refreshScanTime);

    m_clockTick.setInterval(10000);
    connect(&m_clockTick, &QTimer::timeout, this, &NearbyNetworksView::refreshScanTime);

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
        auto* button = new BandFilterButton(text(bandFilterTitle(choice)), m_body);
        button->setSelected(choice == m_selectedBand);
        connect(button, &QPushButton::clicked, this, [this, choice] { setSelectedBand(choice); });
        m_filterRow->addWidget(button);
        m_filters.emplace_back(choice, button);
    }
    m_filterRow->addStretch();
}

void NearbyNetworksView::refresh() {
    const auto& networks = m_scanner.networks();
    m_header->setDetail(networks.empty() ? QString() : QStringLiteral("(%1)").arg(networks.size()));

    const bool scanning = m_scanner.isScanning();
    m_scanButton->setVisible(!scanning);
    m_scanningBox->setVisible(scanning);

    const auto& error = m_scanner.scanError();
    m_errorBox->setVisible(error.has_value());
    m_errorText->setText(error ? text(*error) : QString());

    m_emptyState->setVisible(networks.empty() && !scanning);
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!networks.empty())
        for (const ScannedNetwork& network : networksOnBand(networks, m_selectedBand))
            m_rows->addWidget(new NetworkRow(network, m_body));
}

void NearbyNetworksView::refreshScanTime() {
    const auto& when = m_scanner.lastScanTime();
    m_scanTime->setVisible(when.has_value());
    if (!when) {
        m_clockTick.stop();
        return;
    }
    m_scanTime->setText(text(relativeTimeText(*when, std::chrono::system_clock::now())));
    if (m_header->isExpanded())
        m_clockTick.start();
    else
        m_clockTick.stop();
}
