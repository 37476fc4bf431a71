#include "views/NetworkRow.h"

#include "views/ScanDisplayRules.h"
#include "views/SignalBarsView.h"
#include "views/kit/Metrics.h"
#include "views/kit/Strings.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

bool NetworkRow::isInsecure(WiFiSecurity security) {
    return security == WiFiSecurity::open || security == WiFiSecurity::wep;
}

NetworkRow::NetworkRow(const ScannedNetwork& network, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding(Space::none, Space::xxs));
    row->setSpacing(Space::s);

    auto* bars = new SignalBarsView(SignalBarsView::Kind::nearby, this);
    bars->setRssi(network.rssi);
    row->addWidget(bars, 0, Qt::AlignVCenter);

    auto* nameColumn = new QVBoxLayout;
    nameColumn->setSpacing(Space::hairline);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(Space::xxsPlus);
    QLabel* name = makeLabel(QString::fromStdString(network.ssid), TextStyle::caption, {}, this);
    name->setObjectName(QStringLiteral("ssid"));
    if (network.isCurrentNetwork) {
        QFont font = name->font();
        font.setWeight(QFont::DemiBold);
        name->setFont(font);
    }
    // Long names give way to the figures on the right rather than pushing them out.
    name->setMinimumWidth(0);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    name->setToolTip(name->text());
    nameRow->addWidget(name, 1);
    if (network.isCurrentNetwork)
        nameRow->addWidget(
            makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, SymbolSize::xs, this));
    const bool insecure = isInsecure(network.security);
    QLabel* lock = makeSymbolLabel(insecure ? QStringLiteral("lock.open.fill") : QStringLiteral("lock.fill"),
                                   insecure ? Tone::orange : Tone::green, SymbolSize::tiny, this);
    lock->setToolTip(toQString(rawValue(network.security)));
    nameRow->addWidget(lock);
    nameColumn->addLayout(nameRow);
    nameColumn->addWidget(makeLabel(QStringLiteral("Ch %1").arg(network.channel), TextStyle::caption2,
                                    Colour::secondary, this));
    row->addLayout(nameColumn, 1);

    auto* figures = new QVBoxLayout;
    figures->setSpacing(Space::hairline);
    m_rssi = makeLabel(QStringLiteral("%1 dBm").arg(network.rssi), TextStyle::caption, rssiTone(network.rssi),
                       this);
    m_rssi->setObjectName(QStringLiteral("rssi"));
    m_rssi->setFont(monospacedFont(TextStyle::caption, m_rssi->font()));
    m_rssi->setAlignment(Qt::AlignRight);
    const auto snr = snrText(network);
    m_snr = makeLabel(snr ? QString::fromStdString(*snr) : QString(), TextStyle::caption2, Colour::secondary,
                      this);
    m_snr->setObjectName(QStringLiteral("snr"));
    m_snr->setAlignment(Qt::AlignRight);
    m_snr->setVisible(snr.has_value());
    figures->addWidget(m_rssi);
    figures->addWidget(m_snr);
    row->addLayout(figures);
}
