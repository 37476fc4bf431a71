#pragma once

#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "core/PingService.h"
#include "core/WiFiService.h"
#include "diagnosis/NotificationService.h"
#include "platform/NotificationCenter.h"
#include "probes/BandwidthService.h"
#include "probes/CaptivePortalService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/SpeedTestService.h"
#include "reports/ExportService.h"
#include "support/LocalHttpServer.h"
#include "support/ManualClock.h"
#include "support/ManualScheduler.h"
#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"
#include "system/qt/NetworkHttpClient.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <atomic>

// Grants permission and records every notification handed over.
class RecordingNotificationCenter final : public NotificationCenter {
public:
    QFuture<bool> authorizationStatus() override { return QtFuture::makeReadyFuture(true); }
    QFuture<NotificationAuthorization> requestAuthorization() override {
        return QtFuture::makeReadyFuture(NotificationAuthorization{true, std::nullopt, std::nullopt});
    }
    QFuture<std::optional<QString>> add(const NotificationRequest& request) override {
        sent.push_back(request);
        return QtFuture::makeReadyFuture(std::optional<QString>());
    }
    std::vector<NotificationRequest> sent;
};

inline WiFiReading connectedReading(int rssi) {
    WiFiReading reading;
    reading.powerOn = true;
    reading.rssiValue = rssi;
    reading.ssid = "Home";
    reading.channel = WiFiChannelReading{36, 2, 3};
    return reading;
}

// Every service the view model mirrors, on fake platforms. Pings answer at once with the latency
// the test sets for each host; -1 makes the tool fail.
struct ViewModelFixture {
    FakeWiFiReader reader;
    FakeLocationAuthorization authorization{location_status::authorizedWhenInUse};
    MemoryPreferencesStore store;
    FakeGatewaySource gateway;
    std::atomic<double> routerLatency{4.0};
    std::atomic<double> internetLatency{20.0};
    FakePinger pinger{[this](const std::string& host) -> std::optional<double> {
        const double latency = host == "10.0.0.1" ? routerLatency.load() : internetLatency.load();
        if (latency < 0)
            return std::nullopt;
        return latency;
    }};

    FakeResolverSource resolver;
    LocalHttpServer server;
    NetworkHttpClient http;
    RecordingUrlOpener opener;
    RecordingNotificationCenter center;
    ManualClock clock;
    // The views' time, on the same clock.
    ManualScheduler scheduler{clock};
    FakeInterfaceCounterSource counters;
    FakeInterfaceSource interfaces;
    FakeConnectionNames connections;
    RecordingDNSSwitcher switcher;

    WiFiService wifi{reader};
    LocationService location{authorization};
    AppSettings settings{store};
    PingService ping{pinger, gateway, clock};
    DNSService dns{resolver, clock, "localhost"};
    // Its own pinger, so the speed test's echoes do not count among the monitor's.
    FakePinger speedTestPinger{[](const std::string&) { return std::optional(12.0); }};
    SpeedTestService speedTest{http,
                               speedTestPinger,
                               clock,
                               {server.url("/__down?bytes=25000000"), server.url("/__up"), "127.0.0.1"}};
    CaptivePortalService captivePortal{http, opener, server.url("/hotspot-detect.html")};
    BandwidthService bandwidth{counters, clock};
    NetworkInfoService networkInfo{interfaces,
                                   resolver,
                                   gateway,
                                   connections,
                                   switcher,
                                   http,
                                   std::vector<std::string>{server.url("/ip").toString().toStdString()}};
    NotificationService notifications{center, settings, clock};
    FakeSaveDialog saveDialog;
    RecordingClipboard clipboard;
    ExportService exporter{saveDialog, clipboard, clock};

    LinkmeterServices services() {
        return {wifi,          location,  settings,    ping,          dns,     speedTest,
                captivePortal, bandwidth, networkInfo, notifications, exporter};
    }

    std::size_t pingCalls() const { return pinger.hosts().size(); }
};
