#include "core/PingService.h"

#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <atomic>
#include <limits>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Answers every echo with the given latency, by host.
FakePinger::Handler answering(double routerMs, double internetMs) {
    return [=](const std::string& host) { return host == PingService::internetHost ? internetMs : routerMs; };
}

void runPass(PingService& service) {
    auto pass = service.measureOnce();
    ASSERT_TRUE(waitUntil([&] { return pass.isFinished(); }));
}

} // namespace

class PingServiceTest : public ::testing::Test {
protected:
    FakePinger pinger;
    FakeGatewaySource gateway;
    ManualClock clock;
};

TEST_F(PingServiceTest, PassPingsGatewayAndInternetAndStampsSamplesWithTheClock) {
    PingService service(pinger, gateway, clock);
    EXPECT_EQ(service.gatewayIP(), "10.0.0.1"); // looked up once on construction, nothing pinged
    EXPECT_TRUE(pinger.hosts().empty());

    pinger.setHandler(answering(3, 20));
    clock.advance(5s);
    runPass(service);
    EXPECT_EQ(gateway.lookups, 2);
    auto hosts = pinger.hosts();
    std::sort(hosts.begin(), hosts.end());
    EXPECT_EQ(hosts, (std::vector<std::string>{"1.1.1.1", "10.0.0.1"}));
    ASSERT_EQ(service.routerPingHistory().size(), 1u);
    EXPECT_EQ(service.routerPingHistory()[0], (PingResult{3, clock.now()}));
    EXPECT_DOUBLE_EQ(service.routerStats().averageLatency, 3);
    EXPECT_DOUBLE_EQ(service.internetStats().averageLatency, 20);
}

TEST_F(PingServiceTest, EveryPassPublishesAllFiveAndFallsBackWithoutGateway) {
    pinger.setHandler(answering(3, 20));
    PingService service(pinger, gateway, clock);
    QSignalSpy routerHistory(&service, &PingService::routerPingHistoryChanged);
    QSignalSpy internetHistory(&service, &PingService::internetPingHistoryChanged);
    QSignalSpy routerStats(&service, &PingService::routerStatsChanged);
    QSignalSpy internetStats(&service, &PingService::internetStatsChanged);
    QSignalSpy gatewayIP(&service, &PingService::gatewayIPChanged);

    runPass(service);
    gateway.gateway.reset();
    runPass(service);
    for (auto* spy : {&routerHistory, &internetHistory, &routerStats, &internetStats, &gatewayIP})
        EXPECT_EQ(spy->count(), 2);
    EXPECT_EQ(service.gatewayIP(), std::nullopt);
    const auto hosts = pinger.hosts();
    ASSERT_EQ(hosts.size(), 4u);
    EXPECT_TRUE(hosts[2] == "192.168.1.1" || hosts[3] == "192.168.1.1");
}

TEST_F(PingServiceTest, LostEchoesAreOneSharedFailedSample) {
    PingService service(pinger, gateway, clock);
    runPass(service);
    clock.advance(1h);
    runPass(service);
    const auto& history = service.internetPingHistory();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_FALSE(history[0].succeeded());
    EXPECT_EQ(history[0], history[1]);
    EXPECT_EQ(service.internetStats().packetLoss, 100);
}

TEST_F(PingServiceTest, HistoriesSlideAtSixtySamples) {
    std::atomic<int> next{1};
    pinger.setHandler([&](const std::string& host) -> std::optional<double> {
        if (host == PingService::internetHost)
            return 50;
        return next++;
    });
    PingService service(pinger, gateway, clock);
    for (int pass = 0; pass < 61; ++pass)
        runPass(service);

    ASSERT_EQ(service.routerPingHistory().size(), 60u);
    ASSERT_EQ(service.internetPingHistory().size(), 60u);
    EXPECT_DOUBLE_EQ(service.routerPingHistory().front().latency, 2);
    EXPECT_DOUBLE_EQ(service.routerPingHistory().back().latency, 61);
    EXPECT_EQ(service.routerStats().samplesCount, 60);
}

TEST_F(PingServiceTest, LoopPausesBetweenPassesAndStopsWhenCancelled) {
    pinger.setHandler(answering(3, 20));
    PingService service(pinger, gateway, clock);
    service.start(1.0);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 1; }));
    spinFor(300ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 2; }));

    service.cancel();
    EXPECT_FALSE(service.isRunning());
}

TEST_F(PingServiceTest, CancelDuringAPassLetsItLandButStartsNoOther) {
    std::atomic<bool> release{false};
    pinger.setHandler([&](const std::string&) -> std::optional<double> {
        while (!release)
            std::this_thread::sleep_for(1ms);
        return 3;
    });
    PingService service(pinger, gateway, clock);
    service.start(0.01);
    ASSERT_TRUE(waitUntil([&] { return pinger.hosts().size() == 2; }));
    service.cancel();
    release = true;
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 1; }));
    spinFor(100ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    EXPECT_EQ(pinger.hosts().size(), 2u);
}

TEST_F(PingServiceTest, StartReplacesTheRunningLoop) {
    pinger.setHandler(answering(3, 20));
    PingService service(pinger, gateway, clock);
    // Restarting many times must leave one loop, not several interleaved ones.
    for (int i = 0; i < 5; ++i)
        service.start(1.0);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() >= 1; }));
    spinFor(200ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    service.cancel();
}

TEST_F(PingServiceTest, UnusableIntervalFallsBackToTheDefaultPause) {
    pinger.setHandler(answering(3, 20));
    PingService service(pinger, gateway, clock);
    service.start(std::numeric_limits<double>::quiet_NaN());
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 1; }));
    // Neither spinning nor waiting forever: the next pass comes after about two seconds.
    spinFor(1000ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    EXPECT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 2; }, 3s));
    service.cancel();
}

TEST_F(PingServiceTest, PublishedValuesCanBeDeliveredLater) {
    // Observers receive these on the main queue, so the values must survive a queued connection.
    pinger.setHandler(answering(3, 20));
    PingService service(pinger, gateway, clock);
    QObject observer;
    std::vector<PingResult> history;
    std::optional<std::string> gatewayIP;
    QObject::connect(
        &service, &PingService::routerPingHistoryChanged, &observer,
        [&](const std::vector<PingResult>& value) { history = value; }, Qt::QueuedConnection);
    QObject::connect(
        &service, &PingService::gatewayIPChanged, &observer,
        [&](const std::optional<std::string>& value) { gatewayIP = value; }, Qt::QueuedConnection);
    runPass(service);
    ASSERT_TRUE(waitUntil([&] { return history.size() == 1; }));
    EXPECT_EQ(history, service.routerPingHistory());
    EXPECT_EQ(gatewayIP, "10.0.0.1");
}
