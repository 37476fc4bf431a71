#include "views/NetworkRow.h"

#include "views/SignalBarsView.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

NetworkRow::NetworkRow(const NearbyNetworkRow& network, QWidget* parent) : QWidget(parent) {
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
    QLabel* name = makeLabel(network.ssid, TextStyle::caption, {}, this);
    name->setObjectName(QStringLiteral("ssid"));
    if (network.isCurrent) {
        QFont font = name->font();
        font.setWeight(QFont::DemiBold);
        name->setFont(font);
    }
    // Long names give way to the figures on the right rather than pushing them out.
    name->setMinimumWidth(0);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    name->setToolTip(name->text());
    nameRow->addWidget(name, 1);
    if (network.isCurrent)
        nameRow->addWidget(
            makeSymbolLabel(QStringLiteral("checkmark.circle.fill"), Tone::green, SymbolSize::xs, this));
    const bool insecure = network.isInsecure;
    QLabel* lock = makeSymbolLabel(insecure ? QStringLiteral("lock.open.fill") : QStringLiteral("lock.fill"),
                                   insecure ? Tone::orange : Tone::green, SymbolSize::tiny, this);
    lock->setToolTip(network.security);
    nameRow->addWidget(lock);
    nameColumn->addLayout(nameRow);
    nameColumn->addWidget(makeLabel(network.channel, TextStyle::caption2, Colour::secondary, this));
    row->addLayout(nameColumn, 1);

    auto* figures = new QVBoxLayout;
    figures->setSpacing(Space::hairline);
    QLabel* rssi = makeLabel(network.rssiText, TextStyle::caption, network.rssiTone, this);
    rssi->setObjectName(QStringLiteral("rssi"));
    rssi->setFont(monospacedFont(TextStyle::caption, rssi->font()));
    rssi->setAlignment(Qt::AlignRight);
    QLabel* snr = makeLabel(network.snr, TextStyle::caption2, Colour::secondary, this);
    snr->setObjectName(QStringLiteral("snr"));
    snr->setAlignment(Qt::AlignRight);
    snr->setVisible(!network.snr.isEmpty());
    figures->addWidget(rssi);
    figures->addWidget(snr);
    row->addLayout(figures);
}
