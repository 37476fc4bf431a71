#include "RenderStates.h"

#include "core/AppSettings.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/RouterBrandService.h"
#include "platform/Clock.h"
#include "reports/ExportService.h"
#include "reports/TimelineRules.h"
#include "reports/TimelineStore.h"
#include "reports/UpdateService.h"
#include "views/ActionableTipView.h"
#include "views/HistoryChart.h"
#include "views/HistoryView.h"
#include "views/StatusScreenshotView.h"
#include "views/StatusView.h"
#include "views/TipView.h"

#include <QDir>
#include <QVBoxLayout>
#include <QWidget>

namespace {

StatusView::Services services() {
    return {AppSettings::shared(), NetworkMemoryService::shared(), RouterBrandService::shared(),
            UpdateService::shared(), ExportService::shared()};
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

Tip latencyTip() {
    return tip("tortoise.fill", "Slow Internet Response",
               "Your internet is taking a while to answer. Video calls may stutter.",
               "Pause large downloads or move closer to the router", TipPriority::warning);
}

StatusView::State connected(const char* ssid, int rssi, int score) {
    StatusView::State state;
    state.wifiInfo = link(ssid, rssi, WiFiBand::band5GHz);
    state.quality = quality(score);
    state.isMonitoring = true;
    state.captivePortalStatus = CaptivePortalStatus::connected();
    state.internetAverageLatency = 18.0;
    return state;
}

std::function<std::unique_ptr<QWidget>()> status(std::function<StatusView::State()> make,
                                                 bool expandTip = false, bool compact = false) {
    return [make = std::move(make), expandTip, compact]() -> std::unique_ptr<QWidget> {
        AppSettings::shared().setCompactMode(compact);
        auto view = std::make_unique<StatusView>(services());
        view->setState(make());
        if (auto* tipView = view->findChild<ActionableTipView*>(); tipView && expandTip)
            tipView->setExpanded(true);
        return view;
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

// A day of rows with a roam in the morning, an outage in the early afternoon and a lossy half hour
// late in the afternoon.
void fillOutageDay(TimelineStore& store, TimePoint now) {
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
        store.append(s);
    }
    store.append(timeline::plainEvent(TimelineEventKind::monitoringStarted, start + 2min));
    store.append(timeline::roamingEvent({"Home Network", "a4:2b:b0:11:22:01", "a4:2b:b0:11:22:02", -74, -52},
                                        start + 15h));
    store.append(timeline::plainEvent(TimelineEventKind::offline, start + 19h + 40min, "Home Network"));
    store.append(timeline::plainEvent(TimelineEventKind::online, start + 20h + 25min, "Home Network"));
}

std::function<std::unique_ptr<QWidget>()> history(const char* name, bool withOutage) {
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
        auto* store = new TimelineStore(path, *clock, page.get());
        if (withOutage)
            fillOutageDay(*store, clock->now());
        auto* layout = new QVBoxLayout(page.get());
        layout->setContentsMargins(0, 0, 0, 0);
        auto* view = new HistoryView(*store, ExportService::shared(), *clock, page.get());
        layout->addWidget(view);
        page->setFixedSize(760, 400);
        page->layout()->activate();
        if (withOutage) {
            // The pointer resting in the lossy half hour.
            HistoryChart& chart = view->chart();
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

std::vector<RenderState> makeStates() {
    std::vector<RenderState> states;
    states.push_back(
        {"status-connected-excellent", status([] { return connected("Home Network", -45, 96); })});
    states.push_back({"status-connected-good-insight", status([] {
                          // The network usually scores 60; today is much better.
                          NetworkMemoryService& memory = NetworkMemoryService::shared();
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
                          s.captivePortalStatus = CaptivePortalStatus::noInternet("The request timed out.");
                          s.currentIssue = ConnectionIssue::noInternet;
                          return s;
                      })});
    states.push_back({"status-offline-no-permission", status([] {
                          StatusView::State s;
                          s.locationAuthorized = false;
                          s.notificationsAuthorized = false;
                          s.isMonitoring = true;
                          return s;
                      })});
    states.push_back({"status-not-connected", status([] {
                          StatusView::State s;
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
             layout->addWidget(new TipView(tip("wifi.slash", "No Internet",
                                               "Your router is reachable but the internet is not.",
                                               "Restart your router", TipPriority::critical)));
             layout->addWidget(new TipView(latencyTip()));
             layout->addWidget(new TipView(tip("antenna.radiowaves.left.and.right", "Crowded Channel",
                                               "Several networks nearby share your channel.", std::nullopt,
                                               TipPriority::info)));
             return column;
         }});
    states.push_back({"status-screenshot", [] {
                          return std::make_unique<StatusScreenshotView>(
                              link("Home Network", -45, WiFiBand::band5GHz), quality(96), latencyTip());
                      }});
    states.push_back({"history-empty", history("history-empty", false)});
    states.push_back({"history-outage-day", history("history-outage-day", true)});
    return states;
}

} // namespace

const std::vector<RenderState>& renderStates() {
    static const std::vector<RenderState> states = makeStates();
    return states;
}
