#include "viewmodel/LinkmeterViewModel.h"

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
#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "system/qt/NetworkHttpClient.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>

using namespace std::chrono_literals;

namespace {

using Fixture = ViewModelFixture;

void measure(PingService& ping) {
    auto pass = ping.measureOnce();
    ASSERT_TRUE(waitUntil([&] { return pass.isFinished(); }));
}

} // namespace

TEST(LinkmeterViewModel, ValuesPublishedDuringConstructionArriveAfterItReturns) {
    Fixture f;
    f.reader.next = connectedReading(-55);
    LinkmeterViewModel viewModel(f.services());

    // The construction refreshed the link, but the view model only sees it on a later turn.
    EXPECT_FALSE(viewModel.wifiInfo().has_value());
    EXPECT_FALSE(viewModel.locationAuthorized());
    ASSERT_TRUE(waitUntil([&] { return viewModel.wifiInfo().has_value(); }));
    EXPECT_EQ(viewModel.wifiInfo()->rssi, -55);
    EXPECT_TRUE(viewModel.locationAuthorized());
}

TEST(LinkmeterViewModel, StartingTwiceRunsOneSetOfLoopsAndStopHaltsThem) {
    Fixture f;
    f.settings.setPingInterval(10.0);
    LinkmeterViewModel::Timing timing;
    timing.wifiRefreshPeriod = 100ms;
    LinkmeterViewModel viewModel(f.services(), timing);
    QSignalSpy monitoring(&viewModel, &LinkmeterViewModel::isMonitoringChanged);

    viewModel.startMonitoring();
    viewModel.startMonitoring();
    EXPECT_TRUE(viewModel.isMonitoring());
    EXPECT_EQ(monitoring.count(), 1);

    const int readsAtStart = f.reader.reads;
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(waitUntil([&] { return f.reader.reads - readsAtStart >= 5; }));
    // One timer cannot fire more often than its period allows, however loaded the machine is; a
    // second refresh loop would read about twice as often.
    EXPECT_LE(f.reader.reads - readsAtStart, elapsed.elapsed() / 100 + 2);
    // One pass (router and internet): the ten-second pause holds the next one back.
    ASSERT_TRUE(waitUntil([&] { return f.pingCalls() == 2u; }));
    spinFor(200ms);
    EXPECT_EQ(f.pingCalls(), 2u);

    viewModel.stopMonitoring();
    EXPECT_FALSE(viewModel.isMonitoring());
    const int readsAtStop = f.reader.reads;
    spinFor(400ms);
    EXPECT_EQ(f.reader.reads, readsAtStop);

    // A start after a stop restarts the ping loop at once.
    viewModel.startMonitoring();
    ASSERT_TRUE(waitUntil([&] { return f.pingCalls() == 4u; }));
}

TEST(LinkmeterViewModel, StopBeforeAnyStartChangesNothing) {
    Fixture f;
    LinkmeterViewModel viewModel(f.services());
    const int reads = f.reader.reads;
    viewModel.stopMonitoring();
    spinFor(200ms);
    EXPECT_FALSE(viewModel.isMonitoring());
    EXPECT_EQ(f.reader.reads, reads);
    EXPECT_EQ(f.pingCalls(), 0u);
}

TEST(LinkmeterViewModel, PingHistoriesKeepTheLast30WithLostPingsAtZero) {
    Fixture f;
    LinkmeterViewModel viewModel(f.services());
    for (int pass = 1; pass <= 45; ++pass) {
        f.routerLatency = pass == 45 ? -1.0 : pass;
        measure(f.ping);
    }
    ASSERT_TRUE(waitUntil([&] { return viewModel.routerPingStats().samplesCount == 45; }));
    const auto& history = viewModel.routerPingHistory();
    ASSERT_EQ(history.size(), 30u);
    EXPECT_DOUBLE_EQ(history.front(), 16.0);
    EXPECT_DOUBLE_EQ(history[28], 44.0);
    EXPECT_DOUBLE_EQ(history.back(), 0.0);
    EXPECT_EQ(viewModel.internetPingHistory().size(), 30u);
    EXPECT_EQ(viewModel.gatewayIP(), "10.0.0.1");
}

TEST(LinkmeterViewModel, QualityIsComputedOnceAfterABurstFromTheInternetSummaryAlone) {
    Fixture f;
    // A quiet time far longer than a pass takes, so a loaded machine cannot split the burst.
    LinkmeterViewModel::Timing timing;
    timing.qualityQuietTime = 1s;
    LinkmeterViewModel viewModel(f.services(), timing);
    QSignalSpy quality(&viewModel, &LinkmeterViewModel::connectionQualityChanged);

    // Nothing measured yet: neutral sub-scores.
    ASSERT_TRUE(waitUntil([&] { return quality.count() == 1; }));
    EXPECT_EQ(viewModel.connectionQuality().score, 67);
    EXPECT_EQ(viewModel.connectionQuality().rating, QualityRating::fair);

    // Three passes in a row; the router is terrible, which must not enter the score.
    f.routerLatency = 900.0;
    QElapsedTimer sinceLast;
    for (const double latency : {200.0, 100.0, 8.0}) {
        f.internetLatency = latency;
        measure(f.ping);
        sinceLast.start();
    }
    ASSERT_TRUE(waitUntil([&] { return quality.count() == 2; }, 4s));
    EXPECT_GE(sinceLast.elapsed(), 900);
    spinFor(300ms);
    EXPECT_EQ(quality.count(), 2);
    // The last summary: average 102.67 ms (20), jitter 96 ms (0), no loss (100), no Wi-Fi (50).
    EXPECT_EQ(viewModel.connectionQuality().breakdown, (QualityBreakdown{50, 20, 0, 100}));
    EXPECT_EQ(viewModel.connectionQuality().score, 37);
    EXPECT_EQ(viewModel.internetLatency(), viewModel.internetPingStats().averageLatency);
}

TEST(LinkmeterViewModel, ASteadyStreamOfResultsStillUpdatesTheDerivedValues) {
    Fixture f;
    LinkmeterViewModel::Timing timing;
    // Quiet times that never pass here: only the maximum wait, on the manual clock, can publish.
    timing.qualityQuietTime = 1h;
    timing.tipsQuietTime = 1h;
    timing.notificationQuietTime = 1h;
    timing.maximumWait = 2s;
    timing.clock = &f.clock;
    LinkmeterViewModel viewModel(f.services(), timing);
    QSignalSpy quality(&viewModel, &LinkmeterViewModel::connectionQualityChanged);
    QSignalSpy tips(&viewModel, &LinkmeterViewModel::tipsChanged);

    // A result every 100 ms, far closer together than any quiet time.
    for (int pass = 1; pass <= 25; ++pass) {
        measure(f.ping);
        ASSERT_TRUE(waitUntil([&] { return viewModel.internetPingStats().samplesCount == pass; }));
        if (pass == 19) {
            EXPECT_EQ(quality.count(), 0); // 1.8 s into the stream
        }
        f.clock.advance(100ms);
    }
    ASSERT_TRUE(waitUntil([&] { return quality.count() >= 1 && tips.count() >= 1; }, 2s));
    EXPECT_LE(quality.count(), 2);
    // Measured, not the neutral score of nothing measured.
    EXPECT_GT(viewModel.connectionQuality().score, 67);
}

TEST(LinkmeterViewModel, MirrorsThroughputAndNetworkInformation) {
    Fixture f;
    f.server.route("/ip", LocalHttpServer::Reply::answer(200, "203.0.113.9"));
    LinkmeterViewModel viewModel(f.services());
    // Read when the service was made, mirrored on a later turn.
    EXPECT_TRUE(viewModel.networkInterfaces().empty());
    ASSERT_TRUE(waitUntil([&] { return viewModel.networkInterfaces().size() == 1u; }));
    EXPECT_EQ(viewModel.networkInterfaces()[0].displayName, "Ethernet");
    ASSERT_EQ(viewModel.dnsServers().size(), 1u);
    EXPECT_EQ(viewModel.dnsServers()[0].address, "192.0.2.53");

    // 45 rates of 1, 3, 5, ... 89 bytes per second down and 1 up.
    for (std::uint64_t i = 0; i <= 45; ++i) {
        f.counters.next = std::vector<InterfaceCounters>{{"wlan0", InterfaceKind::wifi, i * i, i}};
        f.bandwidth.sampleOnce();
        f.clock.advance(1s);
    }
    ASSERT_TRUE(waitUntil(
        [&] { return !viewModel.downloadHistory().empty() && viewModel.downloadHistory().back() == 89.0; }));
    ASSERT_EQ(viewModel.downloadHistory().size(), 30u);
    EXPECT_EQ(viewModel.downloadHistory().front(), 31.0);
    EXPECT_EQ(viewModel.uploadHistory(), std::vector<double>(30, 1.0));
    EXPECT_EQ(viewModel.bandwidthSpeed(), (BandwidthSpeed{89.0, 1.0}));

    QSignalSpy loading(&viewModel, &LinkmeterViewModel::isLoadingPublicIPChanged);
    viewModel.startMonitoring();
    EXPECT_TRUE(f.bandwidth.isRunning());
    EXPECT_TRUE(f.networkInfo.isAutoRefreshing());
    ASSERT_TRUE(waitUntil([&] { return viewModel.publicIP() == "203.0.113.9" && loading.count() == 2; }));
    EXPECT_EQ(loading.at(0).at(0).toBool(), true);
    EXPECT_FALSE(viewModel.isLoadingPublicIP());

    viewModel.stopMonitoring();
    EXPECT_FALSE(f.bandwidth.isRunning());
    EXPECT_FALSE(f.networkInfo.isAutoRefreshing());
}

TEST(LinkmeterViewModel, MonitoringMeasuresDnsAtOnceAndProbesForAPortal) {
    Fixture f;
    f.server.route("/hotspot-detect.html",
                   LocalHttpServer::Reply::answer(200, "<html>Please sign in</html>"));
    LinkmeterViewModel viewModel(f.services());
    EXPECT_EQ(viewModel.menuBarIcon(), "globe");

    viewModel.startMonitoring();
    ASSERT_TRUE(waitUntil([&] { return viewModel.dnsResult().has_value(); }, 3s));
    EXPECT_EQ(viewModel.dnsResult()->server, "192.0.2.53");
    EXPECT_EQ(viewModel.dnsHistory().size(), 1u);
    ASSERT_TRUE(waitUntil([&] { return viewModel.captivePortalStatus().isCaptivePortal(); }, 6s));
    EXPECT_EQ(viewModel.menuBarIcon(), "globe.badge.chevron.backward");

    // Switched off in the settings, the next start leaves the probe alone.
    viewModel.stopMonitoring();
    EXPECT_FALSE(f.captivePortal.isRunning());
    f.settings.setCheckForCaptivePortal(false);
    viewModel.startMonitoring();
    EXPECT_FALSE(f.captivePortal.isRunning());
}

TEST(LinkmeterViewModel, OfflineRaisesOneNotificationAndTipsFollowTheMeasurements) {
    Fixture f;
    f.settings.setHasCompletedOnboarding(true);
    f.internetLatency = -1.0;
    // Nothing listens behind the probe address: the check fails like an unreachable internet.
    CaptivePortalService unreachable{f.http, f.opener, QUrl("http://127.0.0.1:9/hotspot-detect.html")};
    auto services = f.services();
    LinkmeterServices offline{
        services.wifi,        services.location,      services.settings, services.ping,
        services.dns,         services.speedTest,     unreachable,       services.bandwidth,
        services.networkInfo, services.notifications, services.exporter};
    LinkmeterViewModel::Timing timing;
    timing.notificationQuietTime = 200ms;
    LinkmeterViewModel viewModel(offline, timing);

    viewModel.startMonitoring();
    ASSERT_TRUE(waitUntil([&] { return viewModel.captivePortalStatus().isNoInternet(); }, 6s));
    ASSERT_TRUE(waitUntil([&] { return !f.center.sent.empty(); }, 3s));
    EXPECT_EQ(f.center.sent.front().title, "You're Offline");
    ASSERT_TRUE(waitUntil([&] { return viewModel.internetPingStats().packetLoss == 100.0; }, 3s));

    // Further passes keep the state; the minute's spacing keeps it to one notification.
    measure(f.ping);
    spinFor(600ms);
    const auto offlineCount =
        std::count_if(f.center.sent.begin(), f.center.sent.end(),
                      [](const NotificationRequest& r) { return r.title == "You're Offline"; });
    EXPECT_EQ(offlineCount, 1);
    ASSERT_TRUE(waitUntil([&] {
        return std::any_of(viewModel.tips().begin(), viewModel.tips().end(),
                           [](const Tip& tip) { return tip.title == "Internet Packet Loss"; });
    }));
}

TEST(LinkmeterViewModel, ActionsUseTheStateAsItStandsAndTheLabelFollowsTheSettings) {
    Fixture f;
    f.reader.next = connectedReading(-60);
    LinkmeterViewModel viewModel(f.services());
    measure(f.ping);
    ASSERT_TRUE(waitUntil([&] { return viewModel.internetPingStats().samplesCount == 1; }));
    ASSERT_TRUE(waitUntil([&] { return viewModel.wifiInfo().has_value(); }));

    f.settings.setMenuBarDisplayMode(MenuBarDisplayMode::ping);
    EXPECT_EQ(viewModel.menuBarText(), "20ms");
    f.settings.setShowMenuBarText(false);
    EXPECT_EQ(viewModel.menuBarText(), std::nullopt);

    viewModel.copySummary();
    EXPECT_TRUE(f.clipboard.text.contains("Network: Home\nSignal: -60 dBm (Good)\n"));
    EXPECT_TRUE(f.clipboard.text.contains("Internet Ping: 20.0 ms\n"));

    // A cancelled save writes nothing; a chosen file gets the history as mirrored.
    EXPECT_EQ(viewModel.exportHistory(), std::nullopt);
    QTemporaryDir folder;
    f.saveDialog.answer = folder.filePath("history.csv");
    EXPECT_EQ(viewModel.exportHistory(), f.saveDialog.answer);
    QFile written(*f.saveDialog.answer);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("\n1,4.0,20.0,"));
    f.saveDialog.answer = folder.filePath("report.csv");
    EXPECT_EQ(viewModel.exportReport(), f.saveDialog.answer);

    // The speed test runs once however often it is asked for.
    f.server.route("/__down", LocalHttpServer::Reply::generated(1'000'000));
    f.server.route("/__up", LocalHttpServer::Reply::answer(200));
    viewModel.runSpeedTest();
    viewModel.runSpeedTest();
    ASSERT_TRUE(waitUntil([&] { return viewModel.lastSpeedTestResult().has_value(); }, 30s));
    EXPECT_EQ(viewModel.speedTestState().kind(), SpeedTestState::Kind::completed);
    EXPECT_EQ(f.server.requests("/__down").size(), 1);
}
