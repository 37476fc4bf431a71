#pragma once

#include "core/ConnectionQuality.h"
#include "core/PingStatistics.h"
#include "core/WiFiInfo.h"
#include "diagnosis/ConnectionIssue.h"
#include "diagnosis/Tip.h"
#include "probes/BandwidthSpeed.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSResult.h"
#include "probes/DNSServer.h"
#include "probes/NetworkInterface.h"
#include "probes/SpeedTestResult.h"
#include "probes/SpeedTestState.h"
#include "viewmodel/MenuBarText.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

class AppSettings;
class BandwidthService;
class Clock;
class CaptivePortalService;
class DNSService;
class ExportService;
class LocationService;
class NetworkInfoService;
class NotificationService;
class PingService;
class SpeedTestService;
class WiFiService;

// The services the view model mirrors. Tests build them with fake platforms; the app from its context.
struct LinkmeterServices {
    WiFiService& wifi;
    LocationService& location;
    AppSettings& settings;
    PingService& ping;
    DNSService& dns;
    SpeedTestService& speedTest;
    CaptivePortalService& captivePortal;
    BandwidthService& bandwidth;
    NetworkInfoService& networkInfo;
    NotificationService& notifications;
    ExportService& exporter;
};

// The one object the interface observes: mirrors what the services publish (always delivered on a
// later turn of the main event loop, current value first), derives the combined results after a
// quiet time, and starts and stops the measuring loops.
class LinkmeterViewModel final : public QObject {
    Q_OBJECT

public:
    // Periods and quiet times; tests shorten them.
    struct Timing {
        std::chrono::milliseconds wifiRefreshPeriod{5000};
        std::chrono::milliseconds dnsPeriod{5000};
        std::chrono::milliseconds qualityQuietTime{300};
        std::chrono::milliseconds tipsQuietTime{500};
        std::chrono::milliseconds notificationQuietTime{1000};
        // A derivation whose inputs never fall quiet still runs this long after its first change.
        std::chrono::milliseconds maximumWait{2000};
        // Measures the maximum wait; the system's clock when none is given.
        const Clock* clock = nullptr;
    };

    explicit LinkmeterViewModel(LinkmeterServices services, QObject* parent = nullptr);
    LinkmeterViewModel(LinkmeterServices services, Timing timing, QObject* parent = nullptr);
    ~LinkmeterViewModel() override;

    // The number of entries every mirrored history keeps.
    static constexpr std::size_t historyLength = 30;
    // Periods of the throughput sampling and of the network information refresh while monitoring.
    static constexpr double bandwidthIntervalSeconds = 1.0;
    static constexpr double networkInfoIntervalSeconds = 10.0;

    const std::optional<WiFiInfo>& wifiInfo() const { return m_wifiInfo; }
    const PingStatistics& routerPingStats() const { return m_routerPingStats; }
    const PingStatistics& internetPingStats() const { return m_internetPingStats; }
    const std::vector<double>& routerPingHistory() const { return m_routerPingHistory; }
    const std::vector<double>& internetPingHistory() const { return m_internetPingHistory; }
    const std::optional<std::string>& gatewayIP() const { return m_gatewayIP; }
    const std::optional<DNSResult>& dnsResult() const { return m_dnsResult; }
    const std::vector<double>& dnsHistory() const { return m_dnsHistory; }
    const std::vector<Tip>& tips() const { return m_tips; }
    const CaptivePortalStatus& captivePortalStatus() const { return m_captivePortalStatus; }
    const std::optional<std::string>& publicIP() const { return m_publicIP; }
    bool isMonitoring() const { return m_isMonitoring; }
    bool locationAuthorized() const { return m_locationAuthorized; }
    const ConnectionQuality& connectionQuality() const { return m_connectionQuality; }
    const BandwidthSpeed& bandwidthSpeed() const { return m_bandwidthSpeed; }
    const SpeedTestState& speedTestState() const { return m_speedTestState; }
    const std::optional<SpeedTestResult>& lastSpeedTestResult() const { return m_lastSpeedTestResult; }
    const std::vector<double>& downloadHistory() const { return m_downloadHistory; }
    const std::vector<double>& uploadHistory() const { return m_uploadHistory; }
    const std::vector<NetworkInterface>& networkInterfaces() const { return m_networkInterfaces; }
    const std::vector<DNSServer>& dnsServers() const { return m_dnsServers; }
    bool isLoadingPublicIP() const { return m_isLoadingPublicIP; }

    // The internet average when at least one sample exists.
    std::optional<double> internetLatency() const;
    // The most pressing problem of the state as it stands, if any.
    std::optional<ConnectionIssue> currentIssue() const;
    // Symbol name of the tray icon: a portal asking for sign-in gets its own badge.
    std::string menuBarIcon() const;
    // The label's text for the current settings and state; nothing when it shows none.
    std::optional<std::string> menuBarText() const;
    // The number the tray icon can carry in place of its symbol, if any.
    std::optional<std::string> iconValueText() const;

    void openCaptivePortalLoginPage();
    void requestLocationPermission();
    // Starts a speed test unless one is running; progress arrives through speedTestState.
    void runSpeedTest();
    // Stops a running speed test; its state returns to idle.
    void cancelSpeedTest();
    // The saved file, or nothing when the user cancelled or the file could not be written.
    std::optional<QString> exportReport();
    std::optional<QString> exportHistory();
    void copySummary();

    void startMonitoring();
    void stopMonitoring();

signals:
    void wifiInfoChanged(const std::optional<WiFiInfo>& value);
    void routerPingStatsChanged(const PingStatistics& value);
    void internetPingStatsChanged(const PingStatistics& value);
    void routerPingHistoryChanged(const std::vector<double>& value);
    void internetPingHistoryChanged(const std::vector<double>& value);
    void gatewayIPChanged(const std::optional<std::string>& value);
    void dnsResultChanged(const std::optional<DNSResult>& value);
    void dnsHistoryChanged(const std::vector<double>& value);
    void tipsChanged(const std::vector<Tip>& value);
    void captivePortalStatusChanged(const CaptivePortalStatus& value);
    void publicIPChanged(const std::optional<std::string>& value);
    void isMonitoringChanged(bool value);
    void locationAuthorizedChanged(bool value);
    void connectionQualityChanged(const ConnectionQuality& value);
    void bandwidthSpeedChanged(const BandwidthSpeed& value);
    void speedTestStateChanged(const SpeedTestState& value);
    void lastSpeedTestResultChanged(const std::optional<SpeedTestResult>& value);
    void downloadHistoryChanged(const std::vector<double>& value);
    void uploadHistoryChanged(const std::vector<double>& value);
    void networkInterfacesChanged(const std::vector<NetworkInterface>& value);
    void dnsServersChanged(const std::vector<DNSServer>& value);
    void isLoadingPublicIPChanged(bool value);

private:
    MenuBarTextInput menuBarTextInput() const;
    void setUpForwardings();
    void setUpDerivations();
    const Clock& clock() const;

    // Assigns and notifies, even when the value did not change.
    template <typename T, typename Signal> void publish(T& field, T value, Signal changed) {
        field = std::move(value);
        emit(this->*changed)(field);
    }

    template <typename Source, typename Getter, typename Signal, typename Apply>
    void forward(Source& source, Getter current, Signal changed, Apply apply);

    std::unique_ptr<QTimer> makeRepeatingTimer(std::chrono::milliseconds period, std::function<void()> step);
    void measureDNS();

    LinkmeterServices m_services;
    Timing m_timing;

    std::optional<WiFiInfo> m_wifiInfo;
    PingStatistics m_routerPingStats;
    PingStatistics m_internetPingStats;
    std::vector<double> m_routerPingHistory;
    std::vector<double> m_internetPingHistory;
    std::optional<std::string> m_gatewayIP;
    std::optional<DNSResult> m_dnsResult;
    std::vector<double> m_dnsHistory;
    std::vector<Tip> m_tips;
    CaptivePortalStatus m_captivePortalStatus;
    std::optional<std::string> m_publicIP;
    bool m_isMonitoring = false;
    bool m_locationAuthorized = false;
    ConnectionQuality m_connectionQuality;
    BandwidthSpeed m_bandwidthSpeed;
    SpeedTestState m_speedTestState;
    std::optional<SpeedTestResult> m_lastSpeedTestResult;
    std::vector<double> m_downloadHistory;
    std::vector<double> m_uploadHistory;
    std::vector<NetworkInterface> m_networkInterfaces;
    std::vector<DNSServer> m_dnsServers;
    bool m_isLoadingPublicIP = false;

    std::unique_ptr<QTimer> m_monitoringTimer;
    std::unique_ptr<QTimer> m_dnsTimer;
};

namespace detail {
template <typename> struct SignalValue;
template <typename Class, typename Arg> struct SignalValue<void (Class::*)(Arg)> {
    using type = std::decay_t<Arg>;
};
} // namespace detail

template <typename Source, typename Getter, typename Signal, typename Apply>
void LinkmeterViewModel::forward(Source& source, Getter current, Signal changed, Apply apply) {
    using Value = typename detail::SignalValue<Signal>::type;
    // Every value, the current one included, is applied on a later turn of the event loop, never
    // inside the service's own assignment.
    auto post = [this, apply](Value value) {
        QMetaObject::invokeMethod(
            this, [apply, value = std::move(value)] { apply(value); }, Qt::QueuedConnection);
    };
    connect(&source, changed, this, [post](const Value& value) { post(value); });
    post(std::invoke(current, source));
}
