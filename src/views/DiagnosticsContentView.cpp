#include "views/DiagnosticsContentView.h"

#include "views/ChannelGraphView.h"
#include "views/ChannelRecommendationsView.h"
#include "views/NearbyNetworksView.h"
#include "views/NetworkInfoView.h"

#include "reports/ExportService.h"
#include "viewmodel/ChannelRecommendationsPresenter.h"
#include "viewmodel/ChannelUsagePresenter.h"
#include "viewmodel/LinkmeterViewModel.h"
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

QToolButton* makeBackButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setText(QStringLiteral("Status"));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(styledFont(TextStyle::caption, button->font()));
    button->setIconSize(QSize(SymbolSize::s, SymbolSize::s));
    button->setIcon(
        symbolIcon(QStringLiteral("chevron.left"), Palette::colour(Colour::accent), SymbolSize::s));
    setButtonTextColour(button, Colour::accent);
    return button;
}

} // namespace

DiagnosticsContentView::DiagnosticsContentView(ExportService& exporter, Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_exporter(exporter), m_scheduler(scheduler) {
    setObjectName(QStringLiteral("diagnosticsPage"));
    styleBox(this, Colour::windowBackground, 1.0, Radius::none);
    setFixedSize(popoverWidth, Size::diagnosticsHeight);
    QVBoxLayout* page = makeColumn(this, Space::none);

    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("diagnosticsHeader"));
    QHBoxLayout* headerRow = makeBoxRow(header, {.background = Colour::controlBackground,
                                                 .radius = Radius::none,
                                                 .padding = padding(Space::m, Space::s)});
    m_back = makeBackButton(header);
    connect(m_back, &QToolButton::clicked, this, &DiagnosticsContentView::showStatus);
    headerRow->addWidget(m_back);
    headerRow->addStretch();
    QLabel* title = makeCardTitle(QStringLiteral("DIAGNOSTICS"), header);
    headerRow->addWidget(title);
    headerRow->addStretch();
    // An unseen twin of the back button keeps the title in the middle.
    QToolButton* balance = makeBackButton(header);
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
    connect(m_portalBanner, &CaptivePortalBanner::openLoginPage, this,
            &DiagnosticsContentView::openLoginPage);
    column->addWidget(m_portalBanner);
    m_noInternetBanner = new NoInternetBanner(content);
    column->addWidget(m_noInternetBanner);
    m_wifi = new ConnectionInfoView(content);
    connect(m_wifi, &ConnectionInfoView::requestLocation, this, &DiagnosticsContentView::requestLocation);
    column->addWidget(m_wifi);
    m_quality = new ConnectionQualityView(content);
    column->addWidget(m_quality);
    m_pings = new DiagnosticsView(content);
    column->addWidget(m_pings);
    m_dns = new DNSView(content);
    column->addWidget(m_dns);
    m_bandwidth = new BandwidthView(content);
    column->addWidget(m_bandwidth);
    // The network panels come in here once their services are known.
    m_column = column;
    m_networkPanelsAt = column->count();
    m_tips = new TipsSection(content);
    column->addWidget(m_tips);
    m_speedTest = new SpeedTestView(scheduler, content);
    connect(m_speedTest, &SpeedTestView::runRequested, this, &DiagnosticsContentView::runSpeedTest);
    connect(m_speedTest, &SpeedTestView::cancelRequested, this, &DiagnosticsContentView::cancelSpeedTest);
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

    setState({});
}

void DiagnosticsContentView::addNetworkPanels(LinkmeterViewModel& viewModel, WiFiScannerService& scanner,
                                              NetworkInfoService& networkInfo) {
    if (m_networkPanelsAdded)
        return;
    m_networkPanelsAdded = true;
    QWidget* content = m_scroll->widget();
    int at = m_networkPanelsAt;
    for (QWidget* panel : std::initializer_list<QWidget*>{
             new NetworkInfoView(*new NetworkInfoPresenter(viewModel, networkInfo, this), m_scheduler,
                                 content),
             new NearbyNetworksView(*new NearbyNetworksPresenter(scanner, this), m_scheduler, content),
             new ChannelGraphView(*new ChannelUsagePresenter(scanner, this), content),
             new ChannelRecommendationsView(*new ChannelRecommendationsPresenter(scanner, this), content)})
        m_column->insertWidget(at++, panel);
}

void DiagnosticsContentView::bind(LinkmeterViewModel& viewModel) {
    using VM = LinkmeterViewModel;
    VM* vm = &viewModel;
    DiagnosticsState& s = m_state;
    connect(vm, &VM::captivePortalStatusChanged, this, [this, vm, &s] {
        s.captivePortalStatus = vm->captivePortalStatus();
        showBanners();
    });
    const auto wifi = [this, vm, &s] {
        s.wifiInfo = vm->wifiInfo();
        s.locationAuthorized = vm->locationAuthorized();
        showWiFi();
    };
    connect(vm, &VM::wifiInfoChanged, this, wifi);
    connect(vm, &VM::locationAuthorizedChanged, this, wifi);
    connect(vm, &VM::connectionQualityChanged, this, [this, vm, &s] {
        s.quality = vm->connectionQuality();
        showQuality();
    });
    const auto router = [this, vm, &s] {
        s.gatewayIP = vm->gatewayIP();
        s.routerPingStats = vm->routerPingStats();
        s.routerPingHistory = vm->routerPingHistory();
        showRouter();
    };
    connect(vm, &VM::gatewayIPChanged, this, router);
    connect(vm, &VM::routerPingStatsChanged, this, router);
    connect(vm, &VM::routerPingHistoryChanged, this, router);
    const auto internet = [this, vm, &s] {
        s.internetPingStats = vm->internetPingStats();
        s.internetPingHistory = vm->internetPingHistory();
        showInternet();
    };
    connect(vm, &VM::internetPingStatsChanged, this, internet);
    connect(vm, &VM::internetPingHistoryChanged, this, internet);
    const auto dns = [this, vm, &s] {
        s.dnsResult = vm->dnsResult();
        s.dnsHistory = vm->dnsHistory();
        showDNS();
    };
    connect(vm, &VM::dnsResultChanged, this, dns);
    connect(vm, &VM::dnsHistoryChanged, this, dns);
    const auto bandwidth = [this, vm, &s] {
        s.bandwidthSpeed = vm->bandwidthSpeed();
        s.downloadHistory = vm->downloadHistory();
        s.uploadHistory = vm->uploadHistory();
        showBandwidth();
    };
    connect(vm, &VM::bandwidthSpeedChanged, this, bandwidth);
    connect(vm, &VM::downloadHistoryChanged, this, bandwidth);
    connect(vm, &VM::uploadHistoryChanged, this, bandwidth);
    connect(vm, &VM::tipsChanged, this, [this, vm, &s] {
        s.tips = vm->tips();
        showTips();
    });
    const auto speedTest = [this, vm, &s] {
        s.speedTestState = vm->speedTestState();
        s.lastSpeedTestResult = vm->lastSpeedTestResult();
        showSpeedTest();
    };
    connect(vm, &VM::speedTestStateChanged, this, speedTest);
    connect(vm, &VM::lastSpeedTestResultChanged, this, speedTest);
    connect(vm, &VM::isMonitoringChanged, this, [this, vm, &s] {
        s.isMonitoring = vm->isMonitoring();
        showMonitoring();
    });

    connect(m_toolbar, &DiagnosticsToolbar::startMonitoring, vm, &VM::startMonitoring);
    connect(m_toolbar, &DiagnosticsToolbar::stopMonitoring, vm, &VM::stopMonitoring);
    connect(m_toolbar, &DiagnosticsToolbar::summaryRequested, vm, &VM::copySummary);
    // The export's own dialog reports what happened; the page has nothing to add.
    connect(m_toolbar, &DiagnosticsToolbar::exportReportRequested, vm, [vm] { vm->exportReport(); });
    connect(m_toolbar, &DiagnosticsToolbar::exportHistoryRequested, vm, [vm] { vm->exportHistory(); });
    connect(this, &DiagnosticsContentView::requestLocation, vm, &VM::requestLocationPermission);
    connect(this, &DiagnosticsContentView::openLoginPage, vm, &VM::openCaptivePortalLoginPage);
    connect(this, &DiagnosticsContentView::runSpeedTest, vm, &VM::runSpeedTest);
    connect(this, &DiagnosticsContentView::cancelSpeedTest, vm, &VM::cancelSpeedTest);
    setState(DiagnosticsState::of(viewModel));
}

void DiagnosticsContentView::setState(DiagnosticsState state) {
    m_state = std::move(state);
    showBanners();
    showWiFi();
    showQuality();
    showRouter();
    showInternet();
    showDNS();
    showBandwidth();
    showTips();
    showSpeedTest();
    showMonitoring();
}

bool DiagnosticsContentView::copyScreenshot() {
    DiagnosticsScreenshotView screenshot(m_state);
    return m_exporter.copyScreenshot([&screenshot](double scale) { return renderWidget(screenshot, scale); });
}

void DiagnosticsContentView::showBanners() {
    const CaptivePortalStatus& status = m_state.captivePortalStatus;
    m_portalBanner->setVisible(status.isCaptivePortal());
    m_noInternetBanner->setVisible(status.isNoInternet());
    if (status.isNoInternet())
        m_noInternetBanner->setMessage(QString::fromStdString(status.reason()));
}

void DiagnosticsContentView::showWiFi() {
    m_wifi->setData(m_state.wifiInfo, m_state.locationAuthorized);
}

void DiagnosticsContentView::showQuality() {
    m_quality->setVisible(m_state.quality.score >= 1);
    m_quality->setQuality(m_state.quality);
    m_toolbar->setQuality(m_state.quality);
}

void DiagnosticsContentView::showRouter() {
    m_pings->setRouter(m_state.gatewayIP, m_state.routerPingStats, m_state.routerPingHistory);
}

void DiagnosticsContentView::showInternet() {
    m_pings->setInternet(m_state.internetPingStats, m_state.internetPingHistory);
}

void DiagnosticsContentView::showDNS() {
    m_dns->setData(m_state.dnsResult, m_state.dnsHistory);
}

void DiagnosticsContentView::showBandwidth() {
    m_bandwidth->setData(m_state.bandwidthSpeed, m_state.downloadHistory, m_state.uploadHistory);
}

void DiagnosticsContentView::showTips() {
    m_tips->setVisible(!m_state.tips.empty());
    m_tips->setTips(m_state.tips);
}

void DiagnosticsContentView::showSpeedTest() {
    m_speedTest->setData(m_state.speedTestState, m_state.lastSpeedTestResult);
}

void DiagnosticsContentView::showMonitoring() {
    m_toolbar->setMonitoring(m_state.isMonitoring);
}
