#include "system/linux/IputilsPinger.h"

#include "support/FakeCommandRunner.h"
#include "system/qt/ProcessCommandRunner.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace std::chrono_literals;

TEST(IputilsPinger, RunsOneEchoWithATwoSecondLimitAndReadsTheTime) {
    FakeCommandRunner runner([](auto&) { return FakeCommandRunner::exited(0, "x time=14.832 ms\n"); });
    IputilsPinger pinger(runner);
    EXPECT_EQ(pinger.ping("10.0.0.1"), 14.832);
    const auto calls = runner.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].program, "/usr/bin/ping");
    EXPECT_EQ(calls[0].arguments, (std::vector<std::string>{"-n", "-c", "1", "-W", "2", "10.0.0.1"}));
    EXPECT_EQ(calls[0].capture, CaptureMode::StandardOutputAndError);
}

TEST(IputilsPinger, EveryKindOfFailureIsALostEcho) {
    const auto ping = [](FakeCommandRunner::Handler handler, const std::string& host = "10.0.0.1") {
        FakeCommandRunner runner(std::move(handler));
        return IputilsPinger(runner).ping(host);
    };
    EXPECT_EQ(ping([](auto&) { return FakeCommandRunner::notLaunched("No such file or directory"); }),
              std::nullopt);
    EXPECT_EQ(ping([](auto&) { return FakeCommandRunner::exited(1, "time=14.832 ms"); }), std::nullopt);
    EXPECT_EQ(ping([](auto&) { return FakeCommandRunner::exited(0, "Request timeout"); }), std::nullopt);
    EXPECT_EQ(ping([](auto&) -> CommandResult { throw std::runtime_error("fork failed"); }), std::nullopt);

    // A host the tool would read as an option never reaches it.
    FakeCommandRunner runner([](auto&) { return FakeCommandRunner::exited(0, "time=1 ms"); });
    EXPECT_EQ(IputilsPinger(runner).ping("-f"), std::nullopt);
    EXPECT_EQ(IputilsPinger(runner).ping(""), std::nullopt);
    EXPECT_TRUE(runner.calls().empty());
}

TEST(IputilsPinger, LoopbackAnswersAndAnUnusedAddressIsLostWithinTheLimit) {
    ProcessCommandRunner runner;
    IputilsPinger pinger(runner);

    const auto loopback = pinger.ping("127.0.0.1");
    ASSERT_TRUE(loopback.has_value());
    EXPECT_LT(*loopback, 5.0);

    // Nothing on this network answers there.
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(pinger.ping("192.0.2.200"), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}
