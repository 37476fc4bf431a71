#include "probes/SpeedTestService.h"

#include "support/LocalHttpServer.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"
#include "system/qt/NetworkHttpClient.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace std::chrono_literals;
using Reply = LocalHttpServer::Reply;

TEST(SpeedTestRate, MegabitsPerSecondOverTheTimedSpan) {
    EXPECT_DOUBLE_EQ(megabitsPerSecond(25'000'000, 4.0), 50.0);
    EXPECT_DOUBLE_EQ(megabitsPerSecond(10'000'000, 2.0), 40.0);
    EXPECT_EQ(megabitsPerSecond(10'000'000, 0.0), 0.0);
}

class SpeedTestServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.route("/__down", Reply::generated(SpeedTestService::downloadSize));
        server.route("/__up", Reply::answer(200));
    }

    bool waitForEnd(std::chrono::milliseconds limit = 30s) {
        return waitUntil([&] { return !service.state().isTesting(); }, limit);
    }

    // The download progress values published so far, in order.
    std::vector<double> downloadProgress(const QSignalSpy& spy) const {
        std::vector<double> values;
        for (const auto& arguments : spy) {
            const auto state = arguments[0].value<SpeedTestState>();
            if (state.isTesting() && state.phase() == SpeedTestPhase::download)
                values.push_back(state.progress());
        }
        return values;
    }

    LocalHttpServer server;
    NetworkHttpClient http;
    ManualClock clock;
    FakePinger pinger{[](const std::string&) { return std::optional(10.0); }};
    SpeedTestService service{
        http, pinger, clock, {server.url("/__down?bytes=25000000"), server.url("/__up"), "127.0.0.1"}};
};

TEST_F(SpeedTestServiceTest, DownloadsThenUploadsAndPublishesBothRates) {
    QSignalSpy states(&service, &SpeedTestService::stateChanged);
    service.startTest();
    service.startTest(); // ignored while testing
    ASSERT_TRUE(waitForEnd());

    ASSERT_EQ(service.state().kind(), SpeedTestState::Kind::completed);
    ASSERT_TRUE(service.lastResult());
    const SpeedTestResult& result = *service.lastResult();
    EXPECT_EQ(service.state().result(), result);
    EXPECT_GT(result.downloadSpeed, 0.0);
    EXPECT_GT(result.uploadSpeed, 0.0);
    EXPECT_EQ(result.serverName, "Cloudflare");
    EXPECT_EQ(result.timestamp, clock.now());

    // One update per 100,000 bytes, as if counted byte by byte, ending at exactly 1.0.
    const auto progress = downloadProgress(states);
    ASSERT_EQ(progress.size(), 251u); // the initial 0 and 250 steps
    EXPECT_DOUBLE_EQ(progress[1], 0.004);
    EXPECT_DOUBLE_EQ(progress.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));

    ASSERT_EQ(server.requests("/__down").size(), 1);
    EXPECT_EQ(server.requests("/__down")[0].query, "bytes=25000000");
    ASSERT_EQ(server.requests("/__up").size(), 1);
    const auto upload = server.requests("/__up")[0];
    EXPECT_EQ(upload.body.size(), SpeedTestService::uploadSize);
    EXPECT_EQ(upload.header("Content-Type"), "application/octet-stream");
}

TEST_F(SpeedTestServiceTest, ProgressIsCappedWhenTheServerSendsMore) {
    server.route("/__down", Reply::generated(SpeedTestService::downloadSize + 1'000'000));
    QSignalSpy states(&service, &SpeedTestService::stateChanged);
    service.startTest();
    ASSERT_TRUE(waitForEnd());
    const auto progress = downloadProgress(states);
    EXPECT_EQ(progress.size(), 261u);
    EXPECT_DOUBLE_EQ(*std::max_element(progress.begin(), progress.end()), 1.0);
    EXPECT_EQ(service.state().kind(), SpeedTestState::Kind::completed);
}

TEST_F(SpeedTestServiceTest, ARefusedDirectionCountsZeroAndTheTestStillCompletes) {
    server.route("/__down", Reply::answer(404, "no such thing"));
    service.startTest();
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(service.state().kind(), SpeedTestState::Kind::completed);
    EXPECT_EQ(service.lastResult()->downloadSpeed, 0.0);
    EXPECT_GT(service.lastResult()->uploadSpeed, 0.0);
}

TEST_F(SpeedTestServiceTest, NeitherDirectionWorkingIsAFailureNotAResult) {
    // Nothing listens on the discard port.
    SpeedTestService unreachable(
        http, pinger, clock,
        {QUrl("http://127.0.0.1:9/__down?bytes=25000000"), QUrl("http://127.0.0.1:9/__up"), "127.0.0.1"});
    unreachable.startTest();
    ASSERT_TRUE(waitUntil([&] { return !unreachable.state().isTesting(); }, 30s));
    EXPECT_EQ(unreachable.state(), SpeedTestState::failed("Could not reach the speed test server"));
    EXPECT_EQ(unreachable.lastResult(), std::nullopt);
}

TEST_F(SpeedTestServiceTest, CancelDuringTheDownloadGoesBackToIdleAndKeepsTheLastResult) {
    service.startTest();
    ASSERT_TRUE(waitForEnd());
    const auto previous = service.lastResult();
    ASSERT_TRUE(previous);

    Reply slow = Reply::generated(SpeedTestService::downloadSize);
    slow.pieceDelay = 20ms;
    server.route("/__down", slow);
    clock.advance(1h);
    service.startTest();
    ASSERT_TRUE(waitUntil([&] { return service.state().isTesting() && service.state().progress() > 0.0; }));
    service.cancelTest();
    EXPECT_EQ(service.state(), SpeedTestState::idle());
    spinFor(300ms);
    EXPECT_EQ(service.state(), SpeedTestState::idle());
    EXPECT_EQ(service.lastResult(), previous);
    EXPECT_EQ(server.requests("/__up").size(), 1); // the cancelled test never uploaded

    // A new test can start after a cancel.
    server.route("/__down", Reply::generated(SpeedTestService::downloadSize));
    service.startTest();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(service.state().kind(), SpeedTestState::Kind::completed);
    EXPECT_EQ(service.lastResult()->timestamp, clock.now());
}

// The server holds each transfer open for a while, and the pinger answers as a link with a filling
// queue would: quick before the test, slow (and now and then lost) while the download runs, a little
// slow while the upload runs.
class LoadedLatencyTest : public SpeedTestServiceTest {
protected:
    void SetUp() override {
        Reply download = Reply::generated(1'000'000);
        download.delay = 1s;
        server.route("/__down", download);
        Reply upload = Reply::answer(200);
        upload.delay = 1s;
        server.route("/__up", upload);
        QObject::connect(&service, &SpeedTestService::stateChanged, &service,
                         [this](const SpeedTestState& state) {
                             if (state.isTesting() && state.phase() == SpeedTestPhase::upload)
                                 uploading = true;
                         });
        pinger.setHandler([this](const std::string& host) -> std::optional<double> {
            EXPECT_EQ(host, "127.0.0.1");
            const int call = calls++;
            if (call < LoadedLatencyProbe::idlePingCount)
                return idle;
            if (uploading)
                return 40.0;
            return call % 2 == 0 ? std::optional(53.0) : std::nullopt;
        });
    }

    std::atomic<int> calls{0};
    std::atomic<bool> uploading{false};
    std::optional<double> idle = 15.0;
};

TEST_F(LoadedLatencyTest, ComparesPingsUnderLoadWithThePingsJustBefore) {
    service.startTest();
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(service.state().kind(), SpeedTestState::Kind::completed);
    const LoadedLatency& latency = service.lastResult()->loadedLatency;

    EXPECT_EQ(latency.idle, (PhaseLatency{15.0, 10, 0}));
    // Lost echoes are counted as lost: as zeros they would pull the median far down.
    EXPECT_EQ(latency.download.median, 53.0);
    EXPECT_GT(latency.download.lost, 0);
    EXPECT_GT(latency.download.sent, latency.download.lost);
    EXPECT_EQ(latency.upload.median, 40.0);
    EXPECT_EQ(latency.download.sent + latency.upload.sent + latency.idle.sent, calls.load());

    EXPECT_EQ(latency.addedLatency(), 38.0);
    EXPECT_EQ(latency.grade(), LatencyGrade::b);
    EXPECT_EQ(underLoadText(latency), "Under load: +38 ms \u00b7 B");
}

TEST_F(LoadedLatencyTest, NoGradeWhenTheIdlePingsWentUnanswered) {
    idle = std::nullopt;
    service.startTest();
    ASSERT_TRUE(waitForEnd());
    const LoadedLatency& latency = service.lastResult()->loadedLatency;
    EXPECT_EQ(latency.idle, (PhaseLatency{std::nullopt, 10, 10}));
    EXPECT_TRUE(latency.download.median);
    EXPECT_EQ(latency.grade(), std::nullopt);
    EXPECT_EQ(underLoadText(latency), "Under load: no answer to the pings");
}

TEST_F(LoadedLatencyTest, CancellingBeforeTheDownloadStartsNoTransfer) {
    service.startTest();
    service.cancelTest();
    // Long enough for the idle pings to have come back and, were they still heeded, to start the
    // download.
    spinFor(1500ms);
    EXPECT_EQ(service.state(), SpeedTestState::idle());
    EXPECT_TRUE(server.requests("/__down").isEmpty());
}
