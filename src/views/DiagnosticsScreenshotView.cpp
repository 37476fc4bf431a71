#include "views/DiagnosticsScreenshotView.h"

#include "views/BandwidthView.h"
#include "views/ConnectionInfoView.h"
#include "views/ConnectionQualityView.h"
#include "views/DNSView.h"
#include "views/DiagnosticsView.h"
#include "views/TipView.h"
#include "views/WidgetSnapshot.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

DiagnosticsScreenshotView::DiagnosticsScreenshotView(const DiagnosticsState& state, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("diagnosticsScreenshot"));
    QVBoxLayout* column = makeSnapshotColumn(this, QStringLiteral("Linkmeter"));

    auto* wifi = new ConnectionInfoView(this);
    wifi->setData(wifiCard(state.wifiInfo, state.locationAuthorized));
    column->addWidget(wifi);
    if (const QualityCardData card = qualityCard(state.quality); card.visible) {
        auto* quality = new ConnectionQualityView(this);
        quality->setData(card);
        column->addWidget(quality);
    }
    auto* pings = new DiagnosticsView(this);
    pings->setRouter(routerTarget(state.gatewayIP), pingCard(state.routerPingStats, state.routerPingHistory));
    pings->setInternet(pingCard(state.internetPingStats, state.internetPingHistory));
    column->addWidget(pings);
    auto* dns = new DNSView(this);
    dns->setData(dnsCard(state.dnsResult, state.dnsHistory));
    column->addWidget(dns);
    auto* bandwidth = new BandwidthView(this);
    bandwidth->setData(bandwidthCard(state.bandwidthSpeed, state.downloadHistory, state.uploadHistory));
    column->addWidget(bandwidth);

    if (!state.tips.empty()) {
        column->addWidget(makeCardTitle(tr("RECOMMENDATIONS"), this));
        for (const TipRow& tip : tipsSection(state.tips).rows)
            column->addWidget(new TipView(tip, this));
    }
}
