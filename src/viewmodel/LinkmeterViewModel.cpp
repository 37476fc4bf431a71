#include "viewmodel/LinkmeterViewModel.h"

#include "core/AppSettings.h"
#include "core/Debouncer.h"
#include "core/LocationService.h"
#include "core/PingService.h"
#include "core/SystemClock.h"
#include "core/WiFiService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/TipGenerator.h"
#include "platform/Clock.h"
#include "probes/BandwidthService.h"
#include "probes/CaptivePortalService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/SpeedTestService.h"
#include "reports/ExportService.h"
#include "viewmodel/MenuBarText.h"

#include <algorithm>

namespace {

// The newest entries of a history, oldest first, each mapped.
template <typename T, typename Map>
auto lastEntries(const std::vector<T>& history, std::size_t count, Map map) {
    std::vector<std::invoke_result_t<Map, const T&>> entries;
    const std::size_t first = history.size() > count ? history.size() - count : 0;
    entries.reserve(history.size() - first);
    std::transform(history.begin() + static_cast<std::ptrdiff_t>(first), history.end(),
                   std::back_inserter(entries), map);
    return entries;
}

double unchanged(double value) {
    return value;
}

// Charts show a lost ping at the bottom rather than as a negative time.
double chartLatency(const PingResult& result) {
    return std::max(result.latency, 0.0);
}

} // namespace

LinkmeterViewModel::LinkmeterViewModel(LinkmeterServices services, QObject* parent)
    : LinkmeterViewModel(services, Timing{}, parent) {}

LinkmeterViewModel::LinkmeterViewModel(LinkmeterServices services, Timing timing, QObject* parent)
    : QObject(parent), m_services(services), m_timing(timing) {
    setUpForwardings();
    setUpDerivations();
    m_services.wifi.refresh();
}

LinkmeterViewModel::~LinkmeterViewModel() = default;

void LinkmeterViewModel::setUpForwardings() {
    forward(m_services.wifi, &WiFiService::currentInfo, &WiFiService::currentInfoChanged,
            [this](const std::optional<WiFiInfo>& info) {
                publish(m_wifiInfo, info, &LinkmeterViewModel::wifiInfoChanged);
            });
    auto& ping = m_services.ping;
    forward(ping, &PingService::routerStats, &PingService::routerStatsChanged,
            [this](const PingStatistics& stats) {
                publish(m_routerPingStats, stats, &LinkmeterViewModel::routerPingStatsChanged);
            });
    forward(ping, &PingService::internetStats, &PingService::internetStatsChanged,
            [this](const PingStatistics& stats) {
                publish(m_internetPingStats, stats, &LinkmeterViewModel::internetPingStatsChanged);
            });
    forward(ping, &PingService::gatewayIP, &PingService::gatewayIPChanged,
            [this](const std::optional<std::string>& ip) {
                publish(m_gatewayIP, ip, &LinkmeterViewModel::gatewayIPChanged);
            });
    forward(ping, &PingService::routerPingHistory, &PingService::routerPingHistoryChanged,
            [this](const std::vector<PingResult>& history) {
                publish(m_routerPingHistory, lastEntries(history, historyLength, chartLatency),
                        &LinkmeterViewModel::routerPingHistoryChanged);
            });
    forward(ping, &PingService::internetPingHistory, &PingService::internetPingHistoryChanged,
            [this](const std::vector<PingResult>& history) {
                publish(m_internetPingHistory, lastEntries(history, historyLength, chartLatency),
                        &LinkmeterViewModel::internetPingHistoryChanged);
            });
    auto& dns = m_services.dns;
    forward(dns, &DNSService::lastResult, &DNSService::lastResultChanged,
            [this](const std::optional<DNSResult>& result) {
                publish(m_dnsResult, result, &LinkmeterViewModel::dnsResultChanged);
            });
    forward(dns, &DNSService::dnsHistory, &DNSService::dnsHistoryChanged,
            [this](const std::vector<DNSResult>& history) {
                publish(m_dnsHistory,
                        lastEntries(history, historyLength, [](const DNSResult& r) { return r.lookupTime; }),
                        &LinkmeterViewModel::dnsHistoryChanged);
            });
    forward(m_services.location, &LocationService::isAuthorized, &LocationService::isAuthorizedChanged,
            [this](bool authorized) {
                publish(m_locationAuthorized, authorized, &LinkmeterViewModel::locationAuthorizedChanged);
            });
    forward(m_services.captivePortal, &CaptivePortalService::status, &CaptivePortalService::statusChanged,
            [this](const CaptivePortalStatus& status) {
                publish(m_captivePortalStatus, status, &LinkmeterViewModel::captivePortalStatusChanged);
            });
    auto& speedTest = m_services.speedTest;
    forward(speedTest, &SpeedTestService::state, &SpeedTestService::stateChanged,
            [this](const SpeedTestState& state) {
                publish(m_speedTestState, state, &LinkmeterViewModel::speedTestStateChanged);
            });
    forward(speedTest, &SpeedTestService::lastResult, &SpeedTestService::lastResultChanged,
            [this](const std::optional<SpeedTestResult>& result) {
                publish(m_lastSpeedTestResult, result, &LinkmeterViewModel::lastSpeedTestResultChanged);
            });
    auto& bandwidth = m_services.bandwidth;
    forward(bandwidth, &BandwidthService::currentSpeed, &BandwidthService::currentSpeedChanged,
            [this](const BandwidthSpeed& speed) {
                publish(m_bandwidthSpeed, speed, &LinkmeterViewModel::bandwidthSpeedChanged);
            });
    forward(bandwidth, &BandwidthService::downloadHistory, &BandwidthService::downloadHistoryChanged,
            [this](const std::vector<double>& history) {
                publish(m_downloadHistory, lastEntries(history, historyLength, unchanged),
                        &LinkmeterViewModel::downloadHistoryChanged);
            });
    forward(bandwidth, &BandwidthService::uploadHistory, &BandwidthService::uploadHistoryChanged,
            [this](const std::vector<double>& history) {
                publish(m_uploadHistory, lastEntries(history, historyLength, unchanged),
                        &LinkmeterViewModel::uploadHistoryChanged);
            });
    auto& networkInfo = m_services.networkInfo;
    forward(networkInfo, &NetworkInfoService::interfaces, &NetworkInfoService::interfacesChanged,
            [this](const std::vector<NetworkInterface>& interfaces) {
                publish(m_networkInterfaces, interfaces, &LinkmeterViewModel::networkInterfacesChanged);
            });
    forward(networkInfo, &NetworkInfoService::dnsServers, &NetworkInfoService::dnsServersChanged,
            [this](const std::vector<DNSServer>& servers) {
                publish(m_dnsServers, servers, &LinkmeterViewModel::dnsServersChanged);
            });
    forward(networkInfo, &NetworkInfoService::publicIP, &NetworkInfoService::publicIPChanged,
            [this](const std::optional<std::string>& ip) {
                publish(m_publicIP, ip, &LinkmeterViewModel::publicIPChanged);
            });
    forward(networkInfo, &NetworkInfoService::isLoadingPublicIP,
            &NetworkInfoService::isLoadingPublicIPChanged, [this](bool loading) {
                publish(m_isLoadingPublicIP, loading, &LinkmeterViewModel::isLoadingPublicIPChanged);
            });
}

const Clock& LinkmeterViewModel::clock() const {
    static const SystemClock system;
    return m_timing.clock ? *m_timing.clock : system;
}

void LinkmeterViewModel::setUpDerivations() {
    // Quality: signal and the internet summary; the router summary only restarts the quiet time.
    auto* quality = new Debouncer(
        m_timing.qualityQuietTime, m_timing.maximumWait, clock(),
        [this] {
            publish(m_connectionQuality,
                    ConnectionQuality(m_wifiInfo ? std::optional(m_wifiInfo->rssi) : std::nullopt,
                                      m_internetPingStats),
                    &LinkmeterViewModel::connectionQualityChanged);
        },
        this);
    connect(this, &LinkmeterViewModel::wifiInfoChanged, quality, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::internetPingStatsChanged, quality, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::routerPingStatsChanged, quality, &Debouncer::trigger);

    auto* tips = new Debouncer(
        m_timing.tipsQuietTime, m_timing.maximumWait, clock(),
        [this] {
            publish(m_tips, generateTips(m_wifiInfo, m_routerPingStats, m_internetPingStats, m_dnsResult),
                    &LinkmeterViewModel::tipsChanged);
        },
        this);
    connect(this, &LinkmeterViewModel::wifiInfoChanged, tips, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::routerPingStatsChanged, tips, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::internetPingStatsChanged, tips, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::dnsResultChanged, tips, &Debouncer::trigger);

    auto* notificationStep = new Debouncer(
        m_timing.notificationQuietTime, m_timing.maximumWait, clock(),
        [this] {
            m_services.notifications.runNotificationStep(m_internetPingStats, m_wifiInfo, m_publicIP,
                                                         m_captivePortalStatus);
        },
        this);
    connect(this, &LinkmeterViewModel::internetPingStatsChanged, notificationStep, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::wifiInfoChanged, notificationStep, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::publicIPChanged, notificationStep, &Debouncer::trigger);
    connect(this, &LinkmeterViewModel::captivePortalStatusChanged, notificationStep, &Debouncer::trigger);
}

std::string LinkmeterViewModel::menuBarIcon() const {
    return m_captivePortalStatus.isCaptivePortal() ? "globe.badge.chevron.backward" : "globe";
}

std::optional<std::string> LinkmeterViewModel::menuBarText() const {
    return ::menuBarText(menuBarTextInput());
}

std::optional<std::string> LinkmeterViewModel::iconValueText() const {
    return ::iconValueText(menuBarTextInput());
}

MenuBarTextInput LinkmeterViewModel::menuBarTextInput() const {
    return {m_services.settings.showMenuBarText(), m_services.settings.menuBarDisplayMode(),
            internetLatency(), m_connectionQuality.score, m_bandwidthSpeed};
}

void LinkmeterViewModel::openCaptivePortalLoginPage() {
    m_services.captivePortal.openLoginPage();
}

void LinkmeterViewModel::requestLocationPermission() {
    m_services.location.requestWhenInUseAuthorization();
}

void LinkmeterViewModel::runSpeedTest() {
    m_services.speedTest.startTest();
}

void LinkmeterViewModel::cancelSpeedTest() {
    m_services.speedTest.cancelTest();
}

std::optional<QString> LinkmeterViewModel::exportReport() {
    return m_services.exporter.exportDiagnosticReport(
        {m_wifiInfo, m_routerPingStats, m_internetPingStats, m_dnsResult, m_connectionQuality,
         m_bandwidthSpeed.downloadBytesPerSecond, m_bandwidthSpeed.uploadBytesPerSecond,
         m_lastSpeedTestResult});
}

std::optional<QString> LinkmeterViewModel::exportHistory() {
    return m_services.exporter.exportHistoryCSV(
        {m_routerPingHistory, m_internetPingHistory, m_dnsHistory, m_downloadHistory, m_uploadHistory});
}

void LinkmeterViewModel::copySummary() {
    m_services.exporter.copySummaryToClipboard(
        {m_wifiInfo, m_connectionQuality.score, m_connectionQuality.rating, m_routerPingStats.averageLatency,
         m_internetPingStats.averageLatency, m_internetPingStats.packetLoss,
         m_lastSpeedTestResult ? std::optional(m_lastSpeedTestResult->loadedLatency) : std::nullopt});
}

void LinkmeterViewModel::measureDNS() {
    // The result comes back through the service's own publication.
    m_services.dns.measureDNS();
}

std::optional<ConnectionIssue> LinkmeterViewModel::currentIssue() const {
    return ::currentIssue(m_captivePortalStatus, m_wifiInfo, m_internetPingStats);
}

std::optional<double> LinkmeterViewModel::internetLatency() const {
    if (m_internetPingStats.samplesCount >= 1)
        return m_internetPingStats.averageLatency;
    return std::nullopt;
}

std::unique_ptr<QTimer> LinkmeterViewModel::makeRepeatingTimer(std::chrono::milliseconds period,
                                                               std::function<void()> step) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(period);
    connect(timer.get(), &QTimer::timeout, this, std::move(step));
    timer->start();
    return timer;
}

void LinkmeterViewModel::startMonitoring() {
    if (m_isMonitoring)
        return;
    publish(m_isMonitoring, true, &LinkmeterViewModel::isMonitoringChanged);

    m_services.ping.start(m_services.settings.pingInterval());
    m_services.bandwidth.start(bandwidthIntervalSeconds);
    m_services.networkInfo.startAutoRefresh(networkInfoIntervalSeconds);

    m_monitoringTimer = makeRepeatingTimer(m_timing.wifiRefreshPeriod, [this] { m_services.wifi.refresh(); });
    m_dnsTimer = makeRepeatingTimer(m_timing.dnsPeriod, [this] { measureDNS(); });
    measureDNS();
    if (m_services.settings.checkForCaptivePortal())
        m_services.captivePortal.start(m_services.settings.captivePortalCheckInterval());
}

void LinkmeterViewModel::stopMonitoring() {
    publish(m_isMonitoring, false, &LinkmeterViewModel::isMonitoringChanged);
    m_services.ping.cancel();
    m_services.captivePortal.stop();
    m_services.bandwidth.stop();
    m_services.networkInfo.stopAutoRefresh();

    m_monitoringTimer.reset();
    m_dnsTimer.reset();
}
