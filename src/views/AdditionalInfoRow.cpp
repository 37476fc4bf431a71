#include "views/AdditionalInfoRow.h"

#include "views/DetailRow.h"
#include "views/kit/Buttons.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QToolButton>
#include <QVBoxLayout>

using namespace Metrics;

std::vector<std::pair<std::string, std::string>> AdditionalInfoRow::details(const WiFiInfo& wifi) {
    std::vector<std::pair<std::string, std::string>> rows;
    if (wifi.channel >= 1)
        rows.emplace_back("Channel",
                          std::to_string(wifi.channel) + " (" + std::to_string(wifi.channelWidth) + " MHz)");
    if (!wifi.phyMode.empty() && wifi.phyMode != "None" && wifi.phyMode != "Unknown")
        rows.emplace_back("PHY Mode", wifi.phyMode);
    if (!wifi.securityType.empty() && wifi.securityType != "Unknown")
        rows.emplace_back("Security", wifi.securityType);
    // Without a measured noise floor there is no ratio to show.
    if (wifi.noise)
        rows.emplace_back("SNR", std::to_string(wifi.rssi - *wifi.noise) + " dB");
    if (wifi.bssid && !wifi.bssid->empty())
        rows.emplace_back("BSSID", *wifi.bssid);
    return rows;
}

AdditionalInfoRow::AdditionalInfoRow(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = makeColumn(this, Space::xs);
    m_button = new QToolButton(this);
    m_button->setAutoRaise(true);
    m_button->setText(QStringLiteral("Details"));
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_button->setLayoutDirection(Qt::RightToLeft); // chevron after the text
    m_button->setFont(styledFont(TextStyle::caption, m_button->font()));
    m_button->setIconSize(QSize(SymbolSize::xs, SymbolSize::xs));
    setButtonTextColour(m_button, Colour::secondary);
    connect(m_button, &QToolButton::clicked, this, [this] { setExpanded(!m_expanded); });
    column->addWidget(m_button, 0, Qt::AlignLeft | Qt::AlignAbsolute);

    m_list = new QWidget(this);
    m_rows = makeColumn(m_list, Space::xxsPlus);
    column->addWidget(m_list);
    m_list->setVisible(false);
    setExpanded(false);
}

void AdditionalInfoRow::setWiFi(const WiFiInfo& wifi) {
    auto rows = details(wifi);
    if (rows == m_details)
        return;
    m_details = std::move(rows);
    rebuild();
}

void AdditionalInfoRow::setExpanded(bool expanded) {
    m_expanded = expanded;
    m_button->setIcon(symbolIcon(expanded ? QStringLiteral("chevron.up") : QStringLiteral("chevron.down"),
                                 Palette::colour(Colour::secondary), SymbolSize::xs));
    m_list->setVisible(expanded);
    // Showing rows that were built while hidden does not tell the enclosing layouts on its own.
    updateGeometry();
}

void AdditionalInfoRow::rebuild() {
    clearLayout(m_rows);
    for (const auto& [label, value] : m_details)
        m_rows->addWidget(
            new DetailRow(QString::fromStdString(label), QString::fromStdString(value), m_list));
}
