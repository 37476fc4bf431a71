#include "app/ReportCommand.h"

#include "core/PingService.h"
#include "core/WiFiService.h"
#include "probes/BandwidthService.h"
#include "probes/DNSService.h"
#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <nlohmann/json.hpp>

using namespace std::chrono_literals;

namespace {

struct ReportRun {
    FakeWiFiReader reader;
    FakeGatewaySource gateway;
    std::optional<double> internet = 18.0;
    FakePinger pinger{[this](const std::string& host) -> std::optional<double> {
        return host == "10.0.0.1" ? std::optional(2.0) : internet;
    }};
    FakeResolverSource resolver;
    FakeInterfaceCounterSource counters;
    ManualClock clock;
    std::unique_ptr<WiFiService> wifi;
    std::unique_ptr<PingService> ping;
    std::unique_ptr<DNSService> dns;
    std::unique_ptr<BandwidthService> bandwidth;

    std::pair<int, std::string> run(bool json) {
        wifi = std::make_unique<WiFiService>(reader);
        ping = std::make_unique<PingService>(pinger, gateway, clock);
        dns = std::make_unique<DNSService>(resolver, clock, "localhost");
        bandwidth = std::make_unique<BandwidthService>(counters, clock);
        ReportCommand command({*wifi, *ping, *dns, *bandwidth, clock}, {1, json});
        QSignalSpy finished(&command, &ReportCommand::finished);
        command.start(300ms);
        EXPECT_TRUE(waitUntil([&] { return !finished.isEmpty(); }));
        return {finished.isEmpty() ? -1 : finished.first().first().toInt(), command.output()};
    }
};

} // namespace

TEST(ReportCommand, PrintsTheReportAndTellsWhetherTheInternetAnswered) {
    ReportRun answered;
    answered.reader.next = connectedReading(-58);
    const auto [status, text] = answered.run(false);
    EXPECT_EQ(status, ReportCommand::answered);
    EXPECT_EQ(text.rfind("Linkmeter Diagnostic Report\nExported: 2027-01-15T08:00:00Z\n", 0), 0u) << text;
    EXPECT_NE(text.find("SSID,\"Home\"\n"), std::string::npos);
    EXPECT_NE(text.find("Internet Ping Statistics\nField,Value\nAverage Latency,18.0 ms\n"),
              std::string::npos);

    ReportRun silent;
    silent.internet = std::nullopt;
    const auto [offline, json] = silent.run(true);
    EXPECT_EQ(offline, ReportCommand::notAnswered);
    const auto document = nlohmann::json::parse(json);
    EXPECT_EQ(document["internetAnswered"], false);
    EXPECT_EQ(document["internet"]["packetLoss"], 100.0);
    EXPECT_GE(document["internet"]["samples"].get<int>(), 1);
    EXPECT_TRUE(document["wifi"].is_null());
    EXPECT_EQ(document["router"]["averageLatency"], 2.0);
}
