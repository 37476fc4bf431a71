#include "core/PingService.h"

#include "platform/GatewaySource.h"
#include "platform/qt/ProcessCommandRunner.h"
#include "support/FakeCommandRunner.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <atomic>
#include <limits>
#include <stdexcept>
#include <thread>

using namespace std::chrono_literals;

namespace {

class FakeGatewaySource final : public GatewaySource {
public:
    std::optional<std::string> defaultGateway() const override {
        ++lookups;
        return gateway;
    }
    std::optional<std::string> gateway = "10.0.0.1";
    mutable int lookups = 0;
};

std::string pingOutput(double ms) {
    return "64 bytes from host: icmp_seq=1 ttl=64 time=" + std::to_string(ms) + " ms\n";
}

// Answers every ping with the given latency, by host.
FakeCommandRunner::Handler answering(double routerMs, double internetMs) {
    return [=](const FakeCommandRunner::Call& call) {
        const bool internet = call.arguments.back() == PingService::internetHost;
        return FakeCommandRunner::exited(0, pingOutput(internet ? internetMs : routerMs));
    };
}

void runPass(PingService& service) {
    auto pass = service.measureOnce();
    ASSERT_TRUE(waitUntil([&] { return pass.isFinished(); }));
}

} // namespace

class PingServiceTest : public ::testing::Test {
protected:
    FakeCommandRunner runner;
    FakeGatewaySource gateway;
};

TEST_F(PingServiceTest, PassPingsGatewayAndInternetWithTheIputilsCommand) {
    PingService service(runner, gateway);
    EXPECT_EQ(service.gatewayIP(), "10.0.0.1"); // looked up once on construction, nothing pinged
    EXPECT_TRUE(runner.calls().empty());

    runner.setHandler(answering(3, 20));
    runPass(service);
    EXPECT_EQ(gateway.lookups, 2);
    auto calls = runner.calls();
    ASSERT_EQ(calls.size(), 2u);
    std::sort(calls.begin(), calls.end(), [](auto& a, auto& b) { return a.arguments < b.arguments; });
    EXPECT_EQ(calls[0].program, "/usr/bin/ping");
    EXPECT_EQ(calls[0].arguments, (std::vector<std::string>{"-n", "-c", "1", "-W", "2", "1.1.1.1"}));
    EXPECT_EQ(calls[0].capture, CaptureMode::StandardOutputAndError);
    EXPECT_EQ(calls[1].arguments.back(), "10.0.0.1");
    ASSERT_EQ(service.routerPingHistory().size(), 1u);
    EXPECT_DOUBLE_EQ(service.routerPingHistory()[0].latency, 3);
    EXPECT_DOUBLE_EQ(service.routerStats().averageLatency, 3);
    EXPECT_DOUBLE_EQ(service.internetStats().averageLatency, 20);
}

TEST_F(PingServiceTest, EveryPassPublishesAllFiveAndFallsBackWithoutGateway) {
    runner.setHandler(answering(3, 20));
    PingService service(runner, gateway);
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
    const auto calls = runner.calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_TRUE(calls[2].arguments.back() == "192.168.1.1" || calls[3].arguments.back() == "192.168.1.1");
}

TEST_F(PingServiceTest, HistoriesSlideAtSixtySamples) {
    std::atomic<int> next{1};
    runner.setHandler([&](const FakeCommandRunner::Call& call) {
        if (call.arguments.back() == PingService::internetHost)
            return FakeCommandRunner::exited(0, pingOutput(50));
        return FakeCommandRunner::exited(0, pingOutput(next++));
    });
    PingService service(runner, gateway);
    for (int pass = 0; pass < 61; ++pass)
        runPass(service);

    ASSERT_EQ(service.routerPingHistory().size(), 60u);
    ASSERT_EQ(service.internetPingHistory().size(), 60u);
    EXPECT_DOUBLE_EQ(service.routerPingHistory().front().latency, 2);
    EXPECT_DOUBLE_EQ(service.routerPingHistory().back().latency, 61);
    EXPECT_EQ(service.routerStats().samplesCount, 60);
}

TEST_F(PingServiceTest, EveryKindOfPingFailureIsALostSample) {
    PingService service(runner, gateway);
    const auto ping = [&](FakeCommandRunner::Handler handler) {
        runner.setHandler(std::move(handler));
        auto future = service.pingHost("10.0.0.1");
        future.waitForFinished();
        return future.result();
    };

    const auto success = ping([](auto&) { return FakeCommandRunner::exited(0, "x time=14.832 ms\n"); });
    EXPECT_DOUBLE_EQ(success.latency, 14.832);
    EXPECT_NE(success.timestamp, TimePoint{});

    EXPECT_EQ(ping([](auto&) { return FakeCommandRunner::notLaunched("No such file or directory"); }),
              PingResult::failed());
    EXPECT_EQ(ping([](auto&) { return FakeCommandRunner::exited(1, "time=14.832 ms"); }),
              PingResult::failed());
    EXPECT_EQ(ping([](auto&) { return FakeCommandRunner::exited(0, "Request timeout"); }),
              PingResult::failed());
    EXPECT_EQ(ping([](auto&) -> CommandResult { throw std::runtime_error("fork failed"); }),
              PingResult::failed());
}

TEST_F(PingServiceTest, LoopKeepsSamplingWhenThePingToolIsMissing) {
    runner.setHandler([](auto&) { return FakeCommandRunner::notLaunched("No such file or directory"); });
    PingService service(runner, gateway);
    service.start(0.01);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() >= 3; }));
    service.cancel();
    EXPECT_EQ(service.routerStats().packetLoss, 100);
    EXPECT_EQ(service.internetStats().packetLoss, 100);
}

TEST_F(PingServiceTest, LoopPausesBetweenPassesAndStopsWhenCancelled) {
    runner.setHandler(answering(3, 20));
    PingService service(runner, gateway);
    service.start(0.2);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 1; }));
    spinFor(100ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 2; }));

    service.cancel();
    EXPECT_FALSE(service.isRunning());
}

TEST_F(PingServiceTest, CancelDuringAPassLetsItLandButStartsNoOther) {
    runner.setHandler([](const FakeCommandRunner::Call&) {
        std::this_thread::sleep_for(100ms);
        return FakeCommandRunner::exited(0, pingOutput(3));
    });
    PingService service(runner, gateway);
    service.start(0.05);
    ASSERT_TRUE(waitUntil([&] { return runner.calls().size() == 2; }));
    service.cancel();
    spinFor(600ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    EXPECT_EQ(runner.calls().size(), 2u);
}

TEST_F(PingServiceTest, StartReplacesTheRunningLoop) {
    runner.setHandler(answering(3, 20));
    PingService service(runner, gateway);
    // Restarting many times must leave one loop, not several interleaved ones.
    for (int i = 0; i < 5; ++i)
        service.start(0.3);
    ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() >= 1; }));
    spinFor(200ms);
    EXPECT_EQ(service.routerPingHistory().size(), 1u);
    service.cancel();
}

TEST_F(PingServiceTest, UnusableIntervalFallsBackToTheDefaultPause) {
    runner.setHandler(answering(3, 20));
    for (double interval :
         {std::numeric_limits<double>::quiet_NaN(), -1.0, std::numeric_limits<double>::infinity()}) {
        PingService service(runner, gateway);
        service.start(interval);
        ASSERT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 1; })) << interval;
        // Neither spinning nor waiting forever: the next pass comes after about two seconds.
        spinFor(1500ms);
        EXPECT_EQ(service.routerPingHistory().size(), 1u) << interval;
        EXPECT_TRUE(waitUntil([&] { return service.routerPingHistory().size() == 2; }, 1500ms)) << interval;
        service.cancel();
    }
}

TEST(PingServiceRealTool, LoopbackAnswersAndAnUnusedAddressIsLostWithinTheLimit) {
    ProcessCommandRunner runner;
    FakeGatewaySource gateway;
    PingService service(runner, gateway);

    auto loopback = service.pingHost("127.0.0.1");
    loopback.waitForFinished();
    ASSERT_TRUE(loopback.result().succeeded());
    EXPECT_LT(loopback.result().latency, 5.0);

    // Nothing on this network answers there.
    const auto started = std::chrono::steady_clock::now();
    auto silent = service.pingHost("192.0.2.200");
    silent.waitForFinished();
    EXPECT_EQ(silent.result(), PingResult::failed());
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

TEST_F(PingServiceTest, PublishedValuesCanBeDeliveredLater) {
    // Observers receive these on the main queue, so the values must survive a queued connection.
    runner.setHandler(answering(3, 20));
    PingService service(runner, gateway);
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
