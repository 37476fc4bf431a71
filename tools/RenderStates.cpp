#include "RenderStates.h"

#include "app/AppContext.h"
#include "app/ShellServices.h"

#include "NetworkPanelStates.h"
#include "TrayIconStates.h"

#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "diagnosis/TipGenerator.h"
#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "platform/Clock.h"
#include "platform/LocationAuthorization.h"
#include "platform/NotificationCenter.h"
#include "probes/NetworkInfoService.h"
#include "probes/TransportFailureText.h"
#include "probes/WiFiScannerService.h"
#include "reports/ExportService.h"
#include "reports/UpdateService.h"
#include "system/linux/FreedesktopNotificationCenter.h"
#include "system/linux/NotificationServerHint.h"
#include "viewmodel/DiagnosticsPresenter.h"
#include "viewmodel/HistoryPresenter.h"
#include "viewmodel/StatusPresenter.h"
#include "views/AboutView.h"
#include "views/ActionableTipView.h"
#include "views/AdditionalInfoRow.h"
#include "views/ConnectionQualityView.h"
#include "views/DiagnosticsContentView.h"
#include "views/DiagnosticsScreenshotView.h"
#include "views/GeneralSettingsTab.h"
#include "views/HelpView.h"
#include "views/HistoryChart.h"
#include "views/HistoryView.h"
#include "views/MenuBarSettingsTab.h"
#include "views/NotificationsSettingsTab.h"
#include "views/OnboardingView.h"
#include "views/PermissionPage.h"
#include "views/SettingsView.h"
#include "views/SpeedTestView.h"
#include "views/StatusScreenshotView.h"
#include "views/StatusView.h"
#include "views/ThresholdsSettingsTab.h"
#include "views/TipView.h"
#include "views/TipsSection.h"
#include "views/kit/Scheduler.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <utility>

namespace {

AppContext* context = nullptr;

Scheduler& scheduler() {
    return renderContext().scheduler();
}

ShellServices services() {
    return renderContext().shellServices();
}

WiFiInfo link(const char* ssid, int rssi, WiFiBand band) {
    WiFiInfo info;
    info.ssid = ssid;
    info.rssi = rssi;
    info.band = band;
    return info;
}

ConnectionQuality quality(int score) {
    ConnectionQuality q;
    q.score = score;
    q.rating = qualityRatingForScore(score);
    return q;
}

Tip tip(const char* icon, const char* title, const char* description, std::optional<std::string> action,
        TipPriority priority) {
    Tip t;
    t.icon = icon;
    t.title = title;
    t.description = description;
    t.action = std::move(action);
    t.priority = priority;
    return t;
}

// The advice the program gives for a slow internet answer, so that every language shows its own text.
Tip latencyTip() {
    PingStatistics internet;
    internet.averageLatency = 85.0;
    internet.samplesCount = 10;
    return generateTips(std::nullopt, PingStatistics{}, internet, std::nullopt).front();
}

StatusInputs connected(const char* ssid, int rssi, int score) {
    StatusInputs state;
    state.wifiInfo = link(ssid, rssi, WiFiBand::band5GHz);
    state.quality = quality(score);
    state.isMonitoring = true;
    state.captivePortalStatus = CaptivePortalStatus::connected();
    state.internetAverageLatency = 18.0;
    return state;
}

std::function<std::unique_ptr<QWidget>()> status(std::function<StatusInputs()> make, bool expandTip = false,
                                                 bool compact = false) {
    return [make = std::move(make), expandTip, compact]() -> std::unique_ptr<QWidget> {
        renderContext().settings().setCompactMode(compact);
        const ShellServices shell = services();
        auto* presenter =
            new StatusPresenter({shell.settings, shell.memory, shell.brands, shell.updates, shell.exporter});
        presenter->setInputs(make());
        auto view = std::make_unique<StatusView>(*presenter, scheduler());
        presenter->setParent(view.get());
        if (auto* tipView = view->findChild<ActionableTipView*>(); tipView && expandTip)
            tipView->setExpanded(true);
        return view;
    };
}

PingStatistics pingStats(double average, double jitter, double loss) {
    PingStatistics stats;
    stats.averageLatency = average;
    stats.jitter = jitter;
    stats.packetLoss = loss;
    stats.minLatency = average * 0.7;
    stats.maxLatency = average * 1.6;
    stats.samplesCount = 30;
    return stats;
}

// A wavy history around `around`, the same on every run.
std::vector<double> history(double around, double swing, std::size_t count = 30) {
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(around + swing * std::sin(static_cast<double>(i) * 0.7) +
                         swing * 0.4 * std::cos(static_cast<double>(i) * 1.9));
    return values;
}

SpeedTestResult speedResult() {
    SpeedTestResult result;
    result.downloadSpeed = 1234.5;
    result.uploadSpeed = 48.3;
    result.serverName = "Cloudflare";
    result.timestamp = std::chrono::system_clock::now() - std::chrono::minutes(5);
    result.loadedLatency = {{15.2, 10, 0}, {53.6, 42, 1}, {40.1, 35, 0}};
    return result;
}

DiagnosticsState monitoring() {
    DiagnosticsState s;
    WiFiInfo wifi = link("Home Network", -58, WiFiBand::band5GHz);
    wifi.noise = -92;
    wifi.channel = 36;
    wifi.channelWidth = 80;
    wifi.transmitRate = 866.7;
    wifi.phyMode = "802.11ax";
    wifi.securityType = "WPA3 Personal";
    wifi.bssid = "a4:2b:b0:11:22:33";
    s.wifiInfo = wifi;
    s.quality = ConnectionQuality(-58, pingStats(31.9, 7.2, 0.5));
    s.gatewayIP = "192.168.1.1";
    s.routerPingStats = pingStats(3.4, 0.8, 0);
    s.routerPingHistory = history(3.4, 0.8);
    s.internetPingStats = pingStats(31.9, 7.2, 0.5);
    s.internetPingHistory = history(31.9, 7);
    DNSResult dns;
    dns.server = "192.168.1.1";
    dns.lookupTime = 19.6;
    dns.resolvedIP = "104.16.132.229";
    s.dnsResult = dns;
    s.dnsHistory = history(22, 6);
    s.bandwidthSpeed = {1'500'000, 15'400};
    s.downloadHistory = history(1.2e6, 5e5);
    s.uploadHistory = history(2e4, 1.2e4);
    // The program's own advice for a weak, lossy link with a slow internet answer: more than the
    // three the page lists.
    PingStatistics internet;
    internet.averageLatency = 85.0;
    internet.packetLoss = 3.0;
    internet.samplesCount = 30;
    s.tips = generateTips(link("Home Network", -78, WiFiBand::band2_4GHz), PingStatistics{}, internet,
                          std::nullopt);
    s.captivePortalStatus = CaptivePortalStatus::connected();
    s.isMonitoring = true;
    return s;
}

// The page at its popover size, or stretched to `height` so every card shows at once.
std::function<std::unique_ptr<QWidget>()> diagnostics(std::function<DiagnosticsState()> make, int height = 0,
                                                      bool unfold = false) {
    return [make = std::move(make), height, unfold]() -> std::unique_ptr<QWidget> {
        auto* presenter = new DiagnosticsPresenter(renderContext().exporter());
        presenter->setScreen(make());
        auto page = std::make_unique<DiagnosticsContentView>(*presenter, std::nullopt, scheduler());
        presenter->setParent(page.get());
        if (height > 0)
            page->setFixedHeight(height);
        if (unfold) {
            page->findChild<ConnectionQualityView*>()->setShowBreakdown(true);
            page->findChild<AdditionalInfoRow*>()->setExpanded(true);
            page->findChild<TipsSection*>()->setExpanded(true);
        }
        return page;
    };
}

// A clock stopped at one evening, owned by the view it serves.
class StoppedClock final : public QObject, public Clock {
public:
    StoppedClock(TimePoint now, QObject* parent) : QObject(parent), m_now(now) {}
    TimePoint now() const override { return m_now; }

private:
    TimePoint m_now;
};

// A timeline file with its writer and reads, living as long as the page that shows it.
struct TimelineParts final : QObject {
    TimelineParts(const QString& path, const Clock& clock, QObject* parent)
        : QObject(parent), database(path, clock), writer(database, clock), queries(database) {}
    TimelineDatabase database;
    TimelineWriter writer;
    TimelineQueries queries;
};

// A day of rows with a roam in the morning, an outage in the early afternoon and a lossy half hour
// late in the afternoon.
void fillOutageDay(TimelineWriter& writer, TimePoint now) {
    using namespace std::chrono_literals;
    const TimePoint start = now - 24h;
    for (int minute = 0; minute < 24 * 60; ++minute) {
        const TimePoint time = start + minute * 1min;
        TimelineSample s;
        s.time = time;
        s.ssid = "Home Network";
        s.bssid = minute < 15 * 60 ? "a4:2b:b0:11:22:01" : "a4:2b:b0:11:22:02";
        s.rssi = -55 - static_cast<int>(6 * std::sin(minute / 37.0));
        const double wobble = std::sin(minute / 11.0) + 0.6 * std::sin(minute / 3.1);
        const bool outage = minute >= 19 * 60 + 40 && minute < 20 * 60 + 25;
        const bool lossy = minute >= 22 * 60 + 30 && minute < 23 * 60;
        if (outage) {
            s.internetLoss = 100.0;
            s.score = 12;
        } else {
            s.internetLatency = 22.0 + 6.0 * wobble + (lossy ? 140.0 : 0.0);
            s.internetLoss = lossy ? 10.0 + 8.0 * std::abs(wobble) : 0.0;
            s.routerLatency = 3.0 + std::abs(wobble);
            s.dnsTime = 14.0 + 3.0 * wobble;
            s.score = lossy ? 48 + static_cast<int>(5 * wobble) : 90 + static_cast<int>(4 * wobble);
        }
        writer.append(s);
    }
    writer.append(timeline::plainEvent(TimelineEventKind::monitoringStarted, start + 2min));
    writer.append(timeline::roamingEvent({"Home Network", "a4:2b:b0:11:22:01", "a4:2b:b0:11:22:02", -74, -52},
                                         start + 15h));
    writer.append(timeline::plainEvent(TimelineEventKind::offline, start + 19h + 40min, "Home Network"));
    writer.append(timeline::plainEvent(TimelineEventKind::online, start + 20h + 25min, "Home Network"));
}

std::function<std::unique_ptr<QWidget>()> historyWindow(const char* name, bool withOutage) {
    return [name, withOutage]() -> std::unique_ptr<QWidget> {
        using namespace std::chrono;
        auto page = std::make_unique<QWidget>();
        // Six in the evening, local time, of a fixed day.
        const QDateTime evening(QDate(2026, 3, 3), QTime(18, 0));
        auto* clock = new StoppedClock(TimePoint(seconds(evening.toSecsSinceEpoch())), page.get());
        const QString path =
            QDir::home().filePath(QStringLiteral("%1.sqlite").arg(QString::fromLatin1(name)));
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(path + suffix);
        auto* parts = new TimelineParts(path, *clock, page.get());
        if (withOutage)
            fillOutageDay(parts->writer, clock->now());
        auto* layout = new QVBoxLayout(page.get());
        layout->setContentsMargins(0, 0, 0, 0);
        auto* presenter = new HistoryPresenter(parts->queries, parts->writer, renderContext().exporter(),
                                               *clock, page.get());
        auto* view = new HistoryView(*presenter, page.get());
        layout->addWidget(view);
        page->setFixedSize(760, 400);
        page->layout()->activate();
        if (withOutage) {
            // The pointer resting in the lossy half hour.
            HistoryChart& chart = *view->findChild<HistoryChart*>();
            const auto& samples = chart.samples();
            for (std::size_t i = 0; i < samples.size(); ++i)
                if (samples[i].time >= clock->now() - 80min) {
                    chart.hoverSample(i);
                    break;
                }
        }
        return page;
    };
}

std::unique_ptr<QWidget> speedTestStates() {
    auto column = std::make_unique<QWidget>();
    column->setObjectName(QStringLiteral("speedTestStates"));
    column->setFixedWidth(320);
    auto* layout = new QVBoxLayout(column.get());
    const SpeedTestResult result = speedResult();
    // A link whose queue fills under load, and one whose pings went unanswered.
    SpeedTestResult bloated = result;
    bloated.loadedLatency.upload.median = 642.0;
    SpeedTestResult unanswered = result;
    unanswered.loadedLatency.idle = {std::nullopt, 10, 10};
    for (const SpeedTestState& state :
         {SpeedTestState::idle(), SpeedTestState::testing(SpeedTestPhase::download, 0.35),
          SpeedTestState::completed(result), SpeedTestState::completed(bloated),
          SpeedTestState::completed(unanswered),
          SpeedTestState::failed("The server did not answer in time.")}) {
        auto* card = new SpeedTestView(scheduler(), column.get());
        card->setData(speedTestCard(state, state.kind() != SpeedTestState::Kind::idle));
        layout->addWidget(card);
    }
    return column;
}

// The settings window on one tab, as it opens at its fixed size.
std::function<std::unique_ptr<QWidget>()> settingsOn(SettingsView::Tab tab,
                                                     std::function<void()> prepare = {}) {
    return [tab, prepare = std::move(prepare)]() -> std::unique_ptr<QWidget> {
        if (prepare)
            prepare();
        auto view =
            std::make_unique<SettingsView>(renderContext().settings(), renderContext().loginItemController(),
                                           renderContext().notifications());
        view->tabs()->setCurrentIndex(tab);
        return view;
    };
}

// A whole tab at the window's width, taller than the window so that nothing is hidden by scrolling.
template <typename Tab>
std::function<std::unique_ptr<QWidget>()> fullTab(std::function<void()> prepare = {}) {
    return [prepare = std::move(prepare)]() -> std::unique_ptr<QWidget> {
        if (prepare)
            prepare();
        std::unique_ptr<QWidget> tab;
        if constexpr (std::is_same_v<Tab, NotificationsSettingsTab>)
            tab = std::make_unique<Tab>(renderContext().settings(), renderContext().notifications());
        else if constexpr (std::is_same_v<Tab, GeneralSettingsTab>)
            tab = std::make_unique<Tab>(renderContext().settings(), renderContext().loginItemController());
        else
            tab = std::make_unique<Tab>(renderContext().settings());
        tab->setFixedWidth(434);
        return tab;
    };
}

// A location permission the user could refuse, as on desktops that have one.
class RefusableLocation final : public LocationAuthorization {
public:
    int authorizationStatus() const override { return location_status::notDetermined; }
    void requestWhenInUseAuthorization() override {}
    void setChangeHandler(std::function<void()>) override {}
};

// Onboarding on `page`; the permission pages show the state asked for rather than the machine's.
// `tray`: the tray page's tray found or not, on `desktop`; without it, the location page.
std::function<std::unique_ptr<QWidget>()> onboarding(int page, std::optional<bool> authorized = std::nullopt,
                                                     std::optional<bool> tray = std::nullopt,
                                                     const char* desktop = "GNOME") {
    return [page, authorized, tray, desktop]() -> std::unique_ptr<QWidget> {
        static RefusableLocation refusable;
        static LocationService askingLocation(refusable);
        auto view = std::make_unique<OnboardingView>(tray ? renderContext().location() : askingLocation,
                                                     renderContext().notifications(), tray.value_or(true),
                                                     QString::fromLatin1(desktop));
        view->setCurrentPage(page);
        if (auto* permission = qobject_cast<PermissionPage*>(view->page(page)); permission && authorized)
            permission->setAuthorized(*authorized);
        return view;
    };
}

// What a refused notification request says on a desktop without a notification server; MATE's
// advice is the longest.
QString noNotificationServer() {
    return QString::fromLatin1(FreedesktopNotificationCenter::noServerText) + u' ' +
           QString::fromStdString(notificationServerHint("MATE"));
}

// A notification centre that no server answers, owned by the view it serves.
class AbsentNotificationCenter final : public QObject, public NotificationCenter {
public:
    using QObject::QObject;
    QFuture<bool> authorizationStatus() override { return QtFuture::makeReadyFuture(false); }
    QFuture<NotificationAuthorization> requestAuthorization() override {
        return QtFuture::makeReadyFuture(
            NotificationAuthorization{false, QStringLiteral("no server"), noNotificationServer()});
    }
    QFuture<std::optional<QString>> add(const NotificationRequest&) override {
        return QtFuture::makeReadyFuture(std::optional<QString>(QStringLiteral("no server")));
    }
};

// The notifications tab after "Request" found no notification server.
std::unique_ptr<QWidget> notificationsWithoutServer() {
    auto tab = std::make_unique<QWidget>();
    auto* center = new AbsentNotificationCenter(tab.get());
    auto* notifications =
        new NotificationService(*center, renderContext().settings(), renderContext().clock(), tab.get());
    auto* content = new NotificationsSettingsTab(renderContext().settings(), *notifications, tab.get());
    (new QVBoxLayout(tab.get()))->addWidget(content);
    tab->layout()->setContentsMargins(0, 0, 0, 0);
    tab->setFixedWidth(434);
    notifications->requestAuthorization();
    QCoreApplication::processEvents();
    return tab;
}

std::vector<RenderState> makeStates() {
    std::vector<RenderState> states;
    states.push_back(
        {"status-connected-excellent", status([] { return connected("Home Network", -45, 96); })});
    states.push_back({"status-connected-good-insight", status([] {
                          // The network usually scores 60; today is much better.
                          NetworkMemoryService& memory = renderContext().networkMemory();
                          while (!memory.memories().contains("Office") ||
                                 memory.memories().at("Office").measurementCount < 11)
                              memory.record("Office", 60, 25.0);
                          return connected("Office", -58, 84);
                      })});
    states.push_back({"status-fair-tip-expanded", status(
                                                      [] {
                                                          auto s = connected("Cafe Corner", -66, 62);
                                                          s.currentIssue = ConnectionIssue::moderateLatency;
                                                          s.tips = {latencyTip()};
                                                          return s;
                                                      },
                                                      true)});
    states.push_back({"status-weak-signal-brand-tip", status(
                                                          [] {
                                                              auto s = connected("NETGEAR-Upstairs", -77, 41);
                                                              s.currentIssue = ConnectionIssue::weakSignal;
                                                              s.tips = {latencyTip()};
                                                              return s;
                                                          },
                                                          true)});
    states.push_back({"status-captive-portal", status([] {
                          auto s = connected("Airport Free WiFi", -52, 92);
                          s.captivePortalStatus = CaptivePortalStatus::captivePortal();
                          s.currentIssue = ConnectionIssue::captivePortal;
                          return s;
                      })});
    states.push_back({"status-no-internet", status([] {
                          auto s = connected("Home Network", -48, 22);
                          s.captivePortalStatus = CaptivePortalStatus::noInternet(
                              std::string(transportFailureText(HttpFailure::hostNotFound)));
                          s.currentIssue = ConnectionIssue::noInternet;
                          return s;
                      })});
    states.push_back({"status-offline-no-permission", status([] {
                          StatusInputs s;
                          s.locationAuthorized = false;
                          s.notificationsAuthorized = false;
                          s.isMonitoring = true;
                          return s;
                      })});
    states.push_back({"status-not-connected", status([] {
                          StatusInputs s;
                          s.isMonitoring = true;
                          return s;
                      })});
    states.push_back({"status-monitoring-paused", status([] {
                          auto s = connected("Home Network", -45, 93);
                          s.isMonitoring = false;
                          return s;
                      })});
    states.push_back(
        {"status-compact", status([] { return connected("Home Network", -63, 75); }, false, true)});
    states.push_back(
        {"tip-views", [] {
             auto column = std::make_unique<QWidget>();
             column->setFixedWidth(320);
             auto* layout = new QVBoxLayout(column.get());
             layout->addWidget(new TipView(
                 tipRow(tip("wifi.slash", "No Internet", "Your router is reachable but the internet is not.",
                            "Restart your router", TipPriority::critical))));
             layout->addWidget(new TipView(tipRow(latencyTip())));
             layout->addWidget(new TipView(tipRow(tip("antenna.radiowaves.left.and.right", "Crowded Channel",
                                                      "Several networks nearby share your channel.",
                                                      std::nullopt, TipPriority::info))));
             return column;
         }});
    states.push_back({"status-screenshot", [] {
                          return std::make_unique<StatusScreenshotView>(
                              link("Home Network", -45, WiFiBand::band5GHz), quality(96), latencyTip());
                      }});
    states.push_back({"diagnostics-monitoring", diagnostics(monitoring)});
    states.push_back({"diagnostics-all-cards-unfolded", diagnostics(monitoring, 1500, true)});
    states.push_back({"diagnostics-no-wifi", diagnostics(
                                                 [] {
                                                     DiagnosticsState s;
                                                     s.isMonitoring = true;
                                                     return s;
                                                 },
                                                 1000)});
    states.push_back({"diagnostics-location-missing", diagnostics([] {
                          DiagnosticsState s = monitoring();
                          s.wifiInfo.reset();
                          s.locationAuthorized = false;
                          s.captivePortalStatus = CaptivePortalStatus::noInternet(
                              std::string(transportFailureText(HttpFailure::hostNotFound)));
                          return s;
                      })});
    states.push_back({"diagnostics-unknown-network", diagnostics([] {
                          DiagnosticsState s = monitoring();
                          s.wifiInfo->ssid = std::string(unknownNetworkSSID);
                          s.wifiInfo->noise.reset();
                          s.locationAuthorized = false;
                          s.captivePortalStatus = CaptivePortalStatus::captivePortal();
                          return s;
                      })});
    states.push_back({"diagnostics-poor-stopped", diagnostics([] {
                          DiagnosticsState s = monitoring();
                          s.internetPingStats = pingStats(142.7, 10.5, 12.0);
                          s.routerPingStats = pingStats(55.2, 3, 5.0);
                          s.quality = ConnectionQuality(-82, s.internetPingStats);
                          s.wifiInfo->rssi = -82;
                          s.dnsResult->lookupTime = 250;
                          s.isMonitoring = false;
                          return s;
                      })});
    // Every name lookup failing: the banner and the DNS card say so.
    states.push_back({"diagnostics-names-failing",
                      diagnostics(
                          [] {
                              DiagnosticsState s = monitoring();
                              s.dnsResult->resolvedIP.reset();
                              s.dnsResult->lookupTime = 1.3;
                              s.captivePortalStatus = CaptivePortalStatus::noInternet(
                                  std::string(transportFailureText(HttpFailure::hostNotFound)));
                              return s;
                          },
                          1500)});
    states.push_back({"speed-test-states", speedTestStates});
    states.push_back(
        {"diagnostics-screenshot", [] { return std::make_unique<DiagnosticsScreenshotView>(monitoring()); }});
    states.push_back({"settings-general", settingsOn(SettingsView::general)});
    states.push_back({"settings-general-no-portal-check", settingsOn(SettingsView::general, [] {
                          renderContext().settings().setCheckForCaptivePortal(false);
                      })});
    states.push_back({"settings-general-metrics",
                      fullTab<GeneralSettingsTab>([] { renderContext().settings().setServeMetrics(true); })});
    states.push_back({"settings-general-metrics-refused", [] {
                          auto tab = fullTab<GeneralSettingsTab>([] {
                              renderContext().settings().setServeMetrics(true);
                              renderContext().settings().setMetricsAddress(QStringLiteral("0.0.0.0:9469"));
                          })();
                          QLineEdit* field =
                              static_cast<GeneralSettingsTab*>(tab.get())->metricsAddressField();
                          field->setText(QStringLiteral("example.com:9469"));
                          emit field->editingFinished();
                          return tab;
                      }});
    states.push_back({"settings-menu-bar", settingsOn(SettingsView::menuBar)});
    states.push_back({"settings-menu-bar-full", fullTab<MenuBarSettingsTab>([] {
                          renderContext().settings().setMenuBarDisplayMode(
                              MenuBarDisplayMode::pingAndQuality);
                      })});
    states.push_back({"settings-thresholds", settingsOn(SettingsView::thresholds)});
    states.push_back({"settings-thresholds-refused", [] {
                          auto view = settingsOn(SettingsView::thresholds)();
                          auto* tab = view->findChild<ThresholdsSettingsTab*>();
                          auto* field = tab->findChild<QLineEdit*>(
                              QString::fromLatin1(SettingsKey::latencyWarningThreshold));
                          field->setText(QStringLiteral("500"));
                          emit field->editingFinished();
                          return view;
                      }});
    // The notification service here has no notification server to ask, so it shows the card
    // for a missing permission.
    states.push_back({"settings-notifications", settingsOn(SettingsView::notifications)});
    states.push_back({"settings-notifications-full", fullTab<NotificationsSettingsTab>()});
    states.push_back({"settings-notifications-off", fullTab<NotificationsSettingsTab>([] {
                          renderContext().settings().setNotificationsEnabled(false);
                      })});
    states.push_back({"settings-notifications-no-service", notificationsWithoutServer});
    states.push_back({"settings-notifications-granted", [] {
                          auto tab = fullTab<NotificationsSettingsTab>()();
                          static_cast<NotificationsSettingsTab*>(tab.get())->showPermission(true);
                          return tab;
                      }});
    states.push_back({"onboarding-welcome", onboarding(0)});
    states.push_back({"onboarding-location", onboarding(1, false)});
    states.push_back({"onboarding-location-granted", onboarding(1, true)});
    states.push_back({"onboarding-tray-found", onboarding(1, std::nullopt, true)});
    states.push_back({"onboarding-tray-missing-gnome", onboarding(1, std::nullopt, false, "ubuntu:GNOME")});
    states.push_back({"onboarding-tray-missing-elsewhere", onboarding(1, std::nullopt, false, "XFCE")});
    states.push_back({"onboarding-notifications", onboarding(2, false)});
    states.push_back({"onboarding-notifications-granted", onboarding(2, true)});
    states.push_back({"onboarding-notifications-no-service", [] {
                          auto view = onboarding(2, false)();
                          qobject_cast<PermissionPage*>(static_cast<OnboardingView*>(view.get())->page(2))
                              ->setProblem(noNotificationServer());
                          return view;
                      }});
    states.push_back({"onboarding-ready", onboarding(3)});
    states.push_back({"help-overview", [] { return std::make_unique<HelpView>(); }});
    states.push_back({"help-troubleshooting", [] {
                          auto view = std::make_unique<HelpView>();
                          view->selectTopic(HelpTopic::troubleshooting);
                          view->resize(view->sizeHint());
                          return view;
                      }});
    states.push_back({"about", [] { return std::make_unique<AboutView>(false); }});
    states.push_back({"about-self-updating", [] { return std::make_unique<AboutView>(true); }});
    addNetworkPanelStates(states);
    states.push_back({"history-empty", historyWindow("history-empty", false)});
    states.push_back({"history-outage-day", historyWindow("history-outage-day", true)});
    addTrayIconStates(states);
    return states;
}

} // namespace

void setRenderContext(AppContext& renderingContext) {
    context = &renderingContext;
}

AppContext& renderContext() {
    return *context;
}

const std::vector<RenderState>& renderStates() {
    static const std::vector<RenderState> states = makeStates();
    return states;
}
