#include "RenderStates.h"

#include "NetworkPanelStates.h"

#include "core/AppSettings.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/RouterBrandService.h"
#include "reports/ExportService.h"
#include "reports/UpdateService.h"
#include "views/ActionableTipView.h"
#include "views/StatusScreenshotView.h"
#include "views/StatusView.h"
#include "views/TipView.h"

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
    addNetworkPanelStates(states);
    return states;
}

} // namespace

const std::vector<RenderState>& renderStates() {
    static const std::vector<RenderState> states = makeStates();
    return states;
}
