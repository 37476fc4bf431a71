#include "views/DiagnosticsContentView.h"

#include "views/ChannelGraphView.h"
#include "views/ChannelRecommendationsView.h"
#include "views/NearbyNetworksView.h"
#include "views/NetworkInfoView.h"

#include "viewmodel/ChannelRecommendationsPresenter.h"
#include "viewmodel/ChannelUsagePresenter.h"
#include "viewmodel/DiagnosticsPresenter.h"
#include "viewmodel/NearbyNetworksPresenter.h"
#include "viewmodel/NetworkInfoPresenter.h"
#include "views/BandwidthView.h"
#include "views/CaptivePortalBanner.h"
#include "views/ConnectionInfoView.h"
#include "views/ConnectionQualityView.h"
#include "views/DNSView.h"
#include "views/DiagnosticsScreenshotView.h"
#include "views/DiagnosticsToolbar.h"
#include "views/DiagnosticsView.h"
#include "views/NoInternetBanner.h"
#include "views/SpeedTestView.h"
#include "views/TipsSection.h"
#include "views/WidgetSnapshot.h"
#include "views/kit/Box.h"
#include "views/kit/Buttons.h"
#include "views/kit/CardFrame.h"
#include "views/kit/Divider.h"
#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Palette.h"
#include "views/kit/SymbolIcon.h"
#include "views/kit/Typography.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Metrics;

namespace {

QToolButton* makeBackButton(const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(styledFont(TextStyle::caption, button->font()));
    button->setIconSize(QSize(SymbolSize::s, SymbolSize::s));
    button->setIcon(
        symbolIcon(QStringLiteral("chevron.left"), Palette::colour(Colour::accent), SymbolSize::s));
    setButtonTextColour(button, Colour::accent);
    return button;
}

} // namespace

DiagnosticsContentView::DiagnosticsContentView(DiagnosticsPresenter& presenter,
                                               std::optional<NetworkPanelPresenters> panels,
                                               Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_presenter(presenter) {
    setObjectName(QStringLiteral("diagnosticsPage"));
    styleBox(this, Colour::windowBackground, 1.0, Radius::none);
    setFixedSize(popoverWidth, Size::diagnosticsHeight);
    QVBoxLayout* page = makeColumn(this, Space::none);

    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("diagnosticsHeader"));
    QHBoxLayout* headerRow = makeBoxRow(header, {.background = Colour::controlBackground,
                                                 .radius = Radius::none,
                                                 .padding = padding(Space::m, Space::s)});
    //: Goes back from the diagnostics page to the status page.
    m_back = makeBackButton(tr("Status"), header);
    m_back->setObjectName(QStringLiteral("back"));
    connect(m_back, &QToolButton::clicked, this, &DiagnosticsContentView::showStatus);
    headerRow->addWidget(m_back);
    headerRow->addStretch();
    QLabel* title = makeCardTitle(tr("DIAGNOSTICS"), header);
    headerRow->addWidget(title);
    headerRow->addStretch();
    // An unseen twin of the back button keeps the title in the middle.
    QToolButton* balance = makeBackButton(m_back->text(), header);
    keepRoomWhenHidden(balance);
    balance->hide();
    headerRow->addWidget(balance);
    page->addWidget(header);
    page->addWidget(new Divider(this));

    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(m_scroll);
    content->setObjectName(QStringLiteral("diagnosticsColumn"));
    QVBoxLayout* column = makeBoxColumn(content, {.background = Colour::windowBackground,
                                                  .radius = Radius::none,
                                                  .padding = padding(Space::l),
                                                  .spacing = Space::l});

    m_portalBanner = new CaptivePortalBanner(content);
    connect(m_portalBanner, &CaptivePortalBanner::openLoginPage, &presenter,
            &DiagnosticsPresenter::openLoginPage);
    column->addWidget(m_portalBanner);
    m_noInternetBanner = new NoInternetBanner(content);
    column->addWidget(m_noInternetBanner);
    m_wifi = new ConnectionInfoView(content);
    connect(m_wifi, &ConnectionInfoView::requestLocation, &presenter, &DiagnosticsPresenter::requestLocation);
    column->addWidget(m_wifi);
    m_quality = new ConnectionQualityView(content);
    column->addWidget(m_quality);
    m_pings = new DiagnosticsView(content);
    column->addWidget(m_pings);
    m_dns = new DNSView(content);
    column->addWidget(m_dns);
    m_bandwidth = new BandwidthView(content);
    column->addWidget(m_bandwidth);
    if (panels) {
        column->addWidget(new NetworkInfoView(panels->networkInfo, scheduler, content));
        column->addWidget(new NearbyNetworksView(panels->nearby, scheduler, content));
        column->addWidget(new ChannelGraphView(panels->channelUsage, content));
        column->addWidget(new ChannelRecommendationsView(panels->recommendations, content));
    }
    m_tips = new TipsSection(content);
    column->addWidget(m_tips);
    m_speedTest = new SpeedTestView(scheduler, content);
    connect(m_speedTest, &SpeedTestView::runRequested, &presenter, &DiagnosticsPresenter::runSpeedTest);
    connect(m_speedTest, &SpeedTestView::cancelRequested, &presenter, &DiagnosticsPresenter::cancelSpeedTest);
    column->addWidget(m_speedTest);
    column->addStretch();
    m_scroll->setWidget(content);
    page->addWidget(m_scroll, 1);

    page->addWidget(new Divider(this));
    m_toolbar = new DiagnosticsToolbar([this] { return copyScreenshot(); }, scheduler, this);
    connect(m_toolbar, &DiagnosticsToolbar::settingsRequested, this,
            &DiagnosticsContentView::settingsRequested);
    connect(m_toolbar, &DiagnosticsToolbar::quitRequested, this, &DiagnosticsContentView::quitRequested);
    page->addWidget(m_toolbar);

    using P = DiagnosticsPresenter;
    connect(m_toolbar, &DiagnosticsToolbar::startMonitoring, &presenter, &P::startMonitoring);
    connect(m_toolbar, &DiagnosticsToolbar::stopMonitoring, &presenter, &P::stopMonitoring);
    connect(m_toolbar, &DiagnosticsToolbar::summaryRequested, &presenter, &P::copySummary);
    connect(m_toolbar, &DiagnosticsToolbar::exportReportRequested, &presenter, &P::exportReport);
    connect(m_toolbar, &DiagnosticsToolbar::exportHistoryRequested, &presenter, &P::exportHistory);
    connect(&presenter, &P::changed, this, [this] { setState(m_presenter.screen()); });
    setState(presenter.screen());
}

void DiagnosticsContentView::setState(DiagnosticsState state) {
    const DiagnosticsState before = std::exchange(m_state, std::move(state));
    const DiagnosticsState& now = m_state;
    // Each card is redrawn only when the values it shows changed.
    const bool all = !m_drawn;
    m_drawn = true;
    if (all || now.captivePortalStatus != before.captivePortalStatus)
        showBanners();
    if (all || now.wifiInfo != before.wifiInfo || now.locationAuthorized != before.locationAuthorized)
        showWiFi();
    if (all || now.quality != before.quality)
        showQuality();
    if (all || now.gatewayIP != before.gatewayIP || now.routerPingStats != before.routerPingStats ||
        now.routerPingHistory != before.routerPingHistory)
        showRouter();
    if (all || now.internetPingStats != before.internetPingStats ||
        now.internetPingHistory != before.internetPingHistory)
        showInternet();
    if (all || now.dnsResult != before.dnsResult || now.dnsHistory != before.dnsHistory)
        showDNS();
    if (all || now.bandwidthSpeed != before.bandwidthSpeed || now.downloadHistory != before.downloadHistory ||
        now.uploadHistory != before.uploadHistory)
        showBandwidth();
    if (all || now.tips != before.tips)
        showTips();
    if (all || now.speedTestState != before.speedTestState ||
        now.lastSpeedTestResult != before.lastSpeedTestResult)
        showSpeedTest();
    if (all || now.isMonitoring != before.isMonitoring)
        showMonitoring();
}

bool DiagnosticsContentView::copyScreenshot() {
    return m_presenter.copyScreenshot([](const DiagnosticsState& state, double scale) {
        DiagnosticsScreenshotView screenshot(state);
        return renderWidget(screenshot, scale);
    });
}

void DiagnosticsContentView::showBanners() {
    const DiagnosticsBanners banners = diagnosticsBanners(m_state.captivePortalStatus);
    m_portalBanner->setVisible(banners.showsPortal);
    m_noInternetBanner->setVisible(banners.noInternetMessage.has_value());
    if (banners.noInternetMessage)
        m_noInternetBanner->setMessage(*banners.noInternetMessage);
}

void DiagnosticsContentView::showWiFi() {
    m_wifi->setData(wifiCard(m_state.wifiInfo, m_state.locationAuthorized));
}

void DiagnosticsContentView::showQuality() {
    const QualityCardData card = qualityCard(m_state.quality);
    m_quality->setVisible(card.visible);
    m_quality->setData(card);
    m_toolbar->setData(toolbarData(m_state.isMonitoring, m_state.quality));
}

void DiagnosticsContentView::showRouter() {
    m_pings->setRouter(routerTarget(m_state.gatewayIP),
                       pingCard(m_state.routerPingStats, m_state.routerPingHistory));
}

void DiagnosticsContentView::showInternet() {
    m_pings->setInternet(pingCard(m_state.internetPingStats, m_state.internetPingHistory));
}

void DiagnosticsContentView::showDNS() {
    m_dns->setData(dnsCard(m_state.dnsResult, m_state.dnsHistory));
}

void DiagnosticsContentView::showBandwidth() {
    m_bandwidth->setData(
        bandwidthCard(m_state.bandwidthSpeed, m_state.downloadHistory, m_state.uploadHistory));
}

void DiagnosticsContentView::showTips() {
    const TipsSectionData tips = tipsSection(m_state.tips);
    m_tips->setVisible(tips.visible);
    m_tips->setData(tips);
}

void DiagnosticsContentView::showSpeedTest() {
    m_speedTest->setData(speedTestCard(m_state.speedTestState, m_state.lastSpeedTestResult.has_value()));
}

void DiagnosticsContentView::showMonitoring() {
    m_toolbar->setData(toolbarData(m_state.isMonitoring, m_state.quality));
}
