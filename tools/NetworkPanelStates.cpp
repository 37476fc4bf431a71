#include "NetworkPanelStates.h"

#include "RenderStates.h"
#include "app/AppContext.h"
#include "core/SystemClock.h"

#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "core/PingService.h"
#include "core/WiFiCodes.h"
#include "core/WiFiService.h"
#include "diagnosis/NotificationService.h"
#include "platform/Clock.h"
#include "platform/ConnectionNameSource.h"
#include "platform/DNSSwitcher.h"
#include "platform/GatewaySource.h"
#include "platform/HttpClient.h"
#include "platform/InterfaceSource.h"
#include "platform/ResolverSource.h"
#include "platform/WiFiScanner.h"
#include "probes/BandwidthService.h"
#include "probes/CaptivePortalService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/SpeedTestService.h"
#include "probes/WiFiScannerService.h"
#include "reports/ExportService.h"
#include "viewmodel/ChannelRecommendationsPresenter.h"
#include "viewmodel/ChannelUsagePresenter.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "viewmodel/NearbyNetworksPresenter.h"
#include "viewmodel/NetworkInfoPresenter.h"
#include "views/ChannelGraphView.h"
#include "views/ChannelRecommendationsView.h"
#include "views/NearbyNetworksView.h"
#include "views/NetworkInfoView.h"
#include "views/kit/CollapsibleHeader.h"
#include "views/kit/Scheduler.h"

#include <QApplication>
#include <QPromise>
#include <QThread>
#include <QVBoxLayout>

#include <chrono>
#include <functional>

namespace {

using namespace std::chrono_literals;
namespace codes = wifi_codes;

// Runs the event loop until `done` holds, for at most two seconds.
void settle(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
    QApplication::processEvents();
}

// A page column 320 wide with the scroll column's 12-point margins, owning what its panels observe.
class Column final : public QWidget {
public:
    explicit Column(std::shared_ptr<void> scene) : m_scene(std::move(scene)) {
        setFixedWidth(320);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(12, 12, 12, 12);
        layout->setSpacing(12);
    }
    ~Column() override {
        // The panels go before the services they watch.
        qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    }
    void add(QWidget* panel) { static_cast<QVBoxLayout*>(layout())->addWidget(panel); }

    void fit() {
        // Panels changed before the column was shown leave cached size hints behind, which this
        // measurement, unlike a scroll area's, would read.
        for (QWidget* child : findChildren<QWidget*>())
            child->updateGeometry();
        layout()->activate();
        const int wrapped = layout()->totalHeightForWidth(width());
        setFixedHeight(wrapped > 0 ? wrapped : layout()->totalSizeHint().height());
    }

protected:
    // Wrapped texts need the height they take at this width, which a plain size hint understates;
    // and the panels settle their layouts only once shown.
    bool event(QEvent* event) override {
        const bool handled = QWidget::event(event);
        if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
            fit();
        return handled;
    }

private:
    std::shared_ptr<void> m_scene;
};

class ScriptedScanner final : public WiFiScanner {
public:
    WiFiScanResult scan() override {
        QThread::msleep(static_cast<unsigned long>(delay.count()));
        return result;
    }
    WiFiScanResult result{true, std::nullopt, {}, std::nullopt};
    std::chrono::milliseconds delay{0};
};

class FixedClock final : public Clock {
public:
    TimePoint now() const override { return time; }
    TimePoint time = std::chrono::system_clock::now() - 2min;
};

struct ScanScene {
    ScriptedScanner scanner;
    FixedClock clock;
    WiFiScannerService service{scanner, clock};
    // The panel tells the scan's age by the real time.
    SystemClock wallClock;
    EventLoopScheduler scheduler{wallClock};
};

ScannedAccessPoint ap(std::optional<std::string> ssid, const char* bssid, int rssi, int channel, int band,
                      std::int64_t security = codes::securityWPA2Personal, std::optional<int> noise = -92,
                      int width = codes::width20MHz) {
    return ScannedAccessPoint{ssid, bssid, rssi, noise, ScannedChannel{channel, width, band}, {security}};
}

std::vector<ScannedAccessPoint> neighbourhood() {
    return {
        ap("Home Network", "02:00:00:00:00:01", -45, 6, codes::band2GHz, codes::securityWPA3Personal),
        ap("NETGEAR-Upstairs", "02:00:00:00:00:02", -58, 1, codes::band2GHz),
        ap("Cafe Corner", "02:00:00:00:00:03", -66, 11, codes::band2GHz, codes::securityWPA2Personal, -90,
           codes::width40MHz),
        ap("Old Router", "02:00:00:00:00:04", -72, 6, codes::band2GHz, codes::securityDynamicWEP),
        ap("FreeWiFi", "02:00:00:00:00:05", -79, 3, codes::band2GHz, codes::securityNone),
        ap(std::nullopt, "02:00:00:00:00:06", -83, 11, codes::band2GHz, codes::securityWPA2Personal,
           std::nullopt),
        ap("Home Network 5G", "02:00:00:00:00:07", -52, 36, codes::band5GHz, codes::securityWPA3Personal),
        ap("Office", "02:00:00:00:00:08", -63, 149, codes::band5GHz, codes::securityWPA2Enterprise),
        ap("Neighbour 5G", "02:00:00:00:00:09", -70, 44, codes::band5GHz),
        ap("Lab", "02:00:00:00:00:0a", -77, 100, codes::band5GHz),
    };
}

enum class Scan { none, running, failed, empty, busy, with6GHz };

std::function<std::unique_ptr<QWidget>()> scanPanels(Scan scan, bool expanded = true,
                                                     WiFiBand chartBand = WiFiBand::band2_4GHz) {
    return [=]() -> std::unique_ptr<QWidget> {
        // Lets the palette and style chosen for the render settle before the panels are built.
        QApplication::processEvents();
        auto scene = std::make_shared<ScanScene>();
        scene->scanner.result.currentBSSID = "02:00:00:00:00:01";
        switch (scan) {
        case Scan::none:
            break;
        case Scan::running:
            // Long enough to be drawn mid-scan.
            scene->scanner.delay = 1500ms;
            break;
        case Scan::failed:
            scene->scanner.result.interfaceFound = false;
            break;
        case Scan::empty:
            break;
        case Scan::busy:
            scene->scanner.result.accessPoints = neighbourhood();
            break;
        case Scan::with6GHz:
            scene->scanner.result.accessPoints = neighbourhood();
            scene->scanner.result.accessPoints.push_back(
                ap("Home 6E", "02:00:00:00:00:0b", -55, 37, codes::band6GHz, codes::securityWPA3Personal));
            break;
        }
        if (scan != Scan::none) {
            scene->service.startScan();
            if (scan != Scan::running)
                settle([&] { return !scene->service.isScanning(); });
        }
        auto column = std::make_unique<Column>(scene);
        auto* nearby = new NearbyNetworksPresenter(scene->service);
        auto* list = new NearbyNetworksView(*nearby, scene->scheduler);
        nearby->setParent(list); // goes with its panel, before the service
        auto* usage = new ChannelUsagePresenter(scene->service);
        auto* chart = new ChannelGraphView(*usage);
        usage->setParent(chart);
        auto* rated = new ChannelRecommendationsPresenter(scene->service);
        auto* recommendations = new ChannelRecommendationsView(*rated);
        rated->setParent(recommendations);
        for (CollapsibleHeader* header : {list->header(), chart->header(), recommendations->header()})
            header->setExpanded(expanded);
        usage->chooseBand(chartBand);
        if (scan == Scan::with6GHz)
            nearby->chooseFilter(3); // all, 2.4, 5, then 6 GHz
        column->add(list);
        column->add(chart);
        column->add(recommendations);
        return column;
    };
}

class Interfaces final : public InterfaceSource {
public:
    std::optional<std::vector<InterfaceAddress>> addresses() const override {
        return std::vector<InterfaceAddress>{
            {"wlp2s0", true, false, AddressFamily::ipv4, "192.168.1.24"},
            {"wlp2s0", true, false, AddressFamily::ipv6, "2001:db8:85a3::8a2e:370:7334"},
            {"enp0s31f6", true, false, AddressFamily::ipv4, "10.0.0.12"},
            {"tun0", true, false, AddressFamily::ipv6, "fd00:1::5"},
            {"virbr0", true, false, AddressFamily::ipv4, "192.168.122.1"},
        };
    }
    InterfaceKind kind(const std::string& name) const override {
        if (name == "wlp2s0")
            return InterfaceKind::wifi;
        if (name == "enp0s31f6")
            return InterfaceKind::ethernet;
        if (name == "tun0")
            return InterfaceKind::vpn;
        return name == "virbr0" ? InterfaceKind::bridge : InterfaceKind::other;
    }
};

class Resolver final : public ResolverSource {
public:
    std::optional<std::string> firstNameserver() const override { return servers.front(); }
    std::optional<std::vector<std::string>> nameservers() const override { return servers; }
    std::vector<std::string> servers{"192.168.1.1", "9.9.9.9"};
};

class Routes final : public GatewaySource {
public:
    std::optional<std::string> defaultGateway() const override { return "192.168.1.1"; }
    std::optional<std::string> defaultInterface() const override { return "wlp2s0"; }
};

class Connections final : public ConnectionNameSource {
public:
    std::optional<std::string> connectionName(const std::string&) const override { return "Home Network"; }
};

// Answers after `delay`; a change that works shows in the resolver afterwards.
class Switcher final : public DNSSwitcher {
public:
    explicit Switcher(Resolver& resolver) : m_resolver(resolver) {}
    DNSSwitchOutcome setServers(const std::string&, const std::vector<std::string>& servers) const override {
        QThread::msleep(static_cast<unsigned long>(delay.count()));
        m_resolver.servers = servers;
        return {DNSSwitchOutcome::Status::changed, {}};
    }
    std::chrono::milliseconds delay{0};

private:
    Resolver& m_resolver;
};

// Answers the address request at once, or never while `hold` is set.
class EchoClient final : public HttpClient {
public:
    QFuture<HttpResult> get(const QUrl& url) override {
        if (hold)
            return m_pending.future();
        return QtFuture::makeReadyFuture(
            HttpResult{HttpResponse{200, url, -1}, "203.0.113.7\n", std::nullopt});
    }
    QFuture<HttpResult> probe(const QUrl& url) override { return get(url); }
    HttpTransfer download(const QUrl&, HttpSession, QObject*, HttpStreamHandlers) override {
        return unused();
    }
    HttpTransfer upload(const QUrl&, const QByteArray&) override { return unused(); }
    bool hold = false;

private:
    static HttpTransfer unused() {
        return {QtFuture::makeReadyFuture(HttpResult{std::nullopt, {}, QStringLiteral("not available")}),
                [] {}};
    }
    QPromise<HttpResult> m_pending;
};

struct InfoScene {
    Interfaces interfaces;
    Resolver resolver;
    Routes routes;
    Connections connections;
    Switcher switcher{resolver};
    EchoClient http;
    NetworkInfoService service{interfaces, resolver, routes, connections, switcher, http};
    LinkmeterViewModel viewModel{
        LinkmeterServices{renderContext().wifi(), renderContext().location(), renderContext().settings(),
                          renderContext().ping(), renderContext().dns(), renderContext().speedTest(),
                          renderContext().captivePortal(), renderContext().bandwidth(), service,
                          renderContext().notifications(), renderContext().exporter()}};
    SystemClock wallClock;
    EventLoopScheduler scheduler{wallClock};
};

enum class Info { noPublicIP, loadingPublicIP, publicIP, picker, changing, changed };

std::function<std::unique_ptr<QWidget>()> networkInfo(Info info, bool expanded = true) {
    return [=]() -> std::unique_ptr<QWidget> {
        auto scene = std::make_shared<InfoScene>();
        if (info != Info::noPublicIP) {
            scene->http.hold = info == Info::loadingPublicIP;
            scene->service.fetchPublicIP();
        }
        settle([&] {
            return scene->viewModel.dnsServers().size() == 2 &&
                   (info == Info::noPublicIP || info == Info::loadingPublicIP ||
                    scene->viewModel.publicIP().has_value());
        });
        auto column = std::make_unique<Column>(scene);
        auto* presenter = new NetworkInfoPresenter(scene->viewModel, scene->service);
        auto* view = new NetworkInfoView(*presenter, scene->scheduler);
        presenter->setParent(view);
        view->header()->setExpanded(expanded);
        column->add(view);
        if (info == Info::picker || info == Info::changing)
            presenter->setPickerShown(true);
        if (info == Info::changing) {
            // Still waiting for the password when drawn.
            scene->switcher.delay = 1500ms;
            presenter->choose(DNSPreset::cloudflare);
        }
        if (info == Info::changed) {
            presenter->setPickerShown(true);
            presenter->choose(DNSPreset::cloudflare);
            settle([&] {
                const NetworkInfoScreen& screen = presenter->screen();
                return !screen.changingDNS && screen.dnsServers.size() == 2 &&
                       screen.dnsServers.front().address == QStringLiteral("1.1.1.1");
            });
        }
        return column;
    };
}

} // namespace

void addNetworkPanelStates(std::vector<RenderState>& states) {
    states.push_back({"scan-panels-collapsed", scanPanels(Scan::busy, false)});
    states.push_back({"scan-panels-before-scan", scanPanels(Scan::none)});
    states.push_back({"scan-panels-scanning", scanPanels(Scan::running)});
    states.push_back({"scan-panels-error", scanPanels(Scan::failed)});
    states.push_back({"scan-panels-empty-scan", scanPanels(Scan::empty)});
    states.push_back({"scan-panels-busy", scanPanels(Scan::busy)});
    states.push_back({"scan-panels-busy-5ghz-chart", scanPanels(Scan::busy, true, WiFiBand::band5GHz)});
    states.push_back({"scan-panels-6ghz-filter", scanPanels(Scan::with6GHz)});
    states.push_back({"network-info-collapsed-no-public-ip", networkInfo(Info::noPublicIP, false)});
    states.push_back({"network-info-loading-public-ip", networkInfo(Info::loadingPublicIP, false)});
    states.push_back({"network-info-expanded", networkInfo(Info::publicIP)});
    states.push_back({"network-info-no-public-ip", networkInfo(Info::noPublicIP)});
    states.push_back({"network-info-dns-picker", networkInfo(Info::picker)});
    states.push_back({"network-info-dns-changing", networkInfo(Info::changing)});
    states.push_back({"network-info-dns-changed", networkInfo(Info::changed)});
}
