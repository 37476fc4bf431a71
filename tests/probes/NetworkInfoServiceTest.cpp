#include "probes/NetworkInfoService.h"

#include "support/LocalHttpServer.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"
#include "system/qt/NetworkHttpClient.h"

#include <gtest/gtest.h>

#include <memory>

using namespace std::chrono_literals;
using Reply = LocalHttpServer::Reply;

namespace {

class NetworkInfoServiceTest : public ::testing::Test {
protected:
    // The echo services are local: tests never leave the machine.
    void make(std::vector<std::string> echoServices = {}) {
        if (echoServices.empty())
            echoServices = {url("/first"), url("/second"), url("/ip")};
        service = std::make_unique<NetworkInfoService>(interfaces, resolver, routes, connections, switcher,
                                                       http, std::move(echoServices));
    }
    std::string url(const char* path) const { return server.url(path).toString().toStdString(); }

    // Runs one public-address request to its end.
    void fetch() {
        service->fetchPublicIP();
        ASSERT_TRUE(waitUntil([&] { return !service->isLoadingPublicIP(); }, 8s));
    }
    DNSSwitchResult switchTo(DNSPreset preset) {
        auto future = service->setDNS(preset);
        EXPECT_TRUE(waitUntil([&] { return future.isFinished(); }));
        return future.result();
    }

    FakeInterfaceSource interfaces;
    FakeResolverSource resolver;
    FakeGatewaySource routes;
    FakeConnectionNames connections;
    RecordingDNSSwitcher switcher;
    LocalHttpServer server;
    NetworkHttpClient http;
    std::unique_ptr<NetworkInfoService> service;
};

} // namespace

TEST_F(NetworkInfoServiceTest, ConstructionReadsTheLocalSetUpAndUnreadableSourcesKeepIt) {
    resolver.servers = std::vector<std::string>{"192.168.1.1", "1.1.1.1", "192.168.1.1"};
    routes.interfaceName = "wlan0";
    make();
    EXPECT_EQ(service->interfaces().size(), 1u);
    EXPECT_EQ(service->dnsServers().size(), 2u);
    EXPECT_EQ(service->defaultInterface(), "wlan0");
    EXPECT_TRUE(server.requests().isEmpty());

    interfaces.list = std::vector<InterfaceAddress>{};
    resolver.servers = std::nullopt;
    routes.interfaceName = std::nullopt;
    service->refreshInterfaces();
    service->refreshDNSServers();
    service->refreshDefaultInterface();
    EXPECT_EQ(service->interfaces().size(), 1u);
    EXPECT_EQ(service->dnsServers().size(), 2u);
    EXPECT_EQ(service->defaultInterface(), "wlan0");
}

TEST_F(NetworkInfoServiceTest, EchoServicesAreAskedInTurnUntilOneAnswersWithAnAddress) {
    server.route("/first", Reply::answer(503, "203.0.113.1"));
    server.route("/second", Reply::answer(200, "203.0.113.7\n"));
    make();
    fetch();
    EXPECT_EQ(service->publicIP(), "203.0.113.7");
    EXPECT_EQ(server.requests("/ip").size(), 0);

    // An error page served with 200, or a body that is not text, is no address.
    server.route("/first", Reply::answer(200, "<html><body>Rate limit exceeded</body></html>"));
    server.route("/second", Reply::answer(200, "203.0.113.8\xff"));
    server.route("/ip", Reply::answer(200, " 2001:db8::7 \r\n"));
    fetch();
    EXPECT_EQ(service->publicIP(), "2001:db8::7");

    // Nothing usable at all: the earlier address is dropped.
    server.route("/ip", Reply::answer(404, "2001:db8::7"));
    fetch();
    EXPECT_EQ(service->publicIP(), std::nullopt);

    // An unreachable service ends the request: without a connection the others fail too.
    const auto asked = server.requests().size();
    make({"http://127.0.0.1:9/", url("/second")});
    fetch();
    EXPECT_EQ(service->publicIP(), std::nullopt);
    EXPECT_EQ(server.requests().size(), asked);
}

TEST_F(NetworkInfoServiceTest, SecondFetchWhileOneRunsSendsNothing) {
    auto slow = Reply::answer(200, "198.51.100.4");
    slow.delay = 200ms;
    server.route("/first", slow);
    make();
    service->fetchPublicIP();
    fetch();
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(service->publicIP(), "198.51.100.4");
}

TEST_F(NetworkInfoServiceTest, LoopRefreshesLocallyAndEndsWithOneLastRound) {
    server.route("/first", Reply::answer(200, "198.51.100.4"));
    make();
    const int atStart = interfaces.reads;
    service->startAutoRefresh(0.05);
    EXPECT_EQ(interfaces.reads, atStart + 1);
    ASSERT_TRUE(waitUntil([&] { return interfaces.reads >= atStart + 4; }));
    // The public address is asked once per start, not every period.
    EXPECT_EQ(server.requests().size(), 1);

    service->stopAutoRefresh();
    const int atStop = interfaces.reads;
    ASSERT_TRUE(waitUntil([&] { return interfaces.reads == atStop + 1; }));
    spinFor(200ms);
    EXPECT_EQ(interfaces.reads, atStop + 1);
}

TEST_F(NetworkInfoServiceTest, NoDefaultRouteOrUnmanagedInterfaceAsksForNothing) {
    routes.interfaceName = std::nullopt;
    make();
    EXPECT_EQ(switchTo(DNSPreset::cloudflare),
              (DNSSwitchResult{false, "Could not determine network service"}));
    routes.interfaceName = "usb0";
    service->refreshDefaultInterface();
    EXPECT_EQ(switchTo(DNSPreset::system).message, "Could not determine network service");
    EXPECT_TRUE(switcher.requests().empty());
}

TEST_F(NetworkInfoServiceTest, SwitchOutcomesBecomeTheirMessages) {
    make();
    resolver.servers = std::vector<std::string>{"1.1.1.1", "1.0.0.1"};
    EXPECT_EQ(switchTo(DNSPreset::cloudflare), (DNSSwitchResult{true, "DNS changed to Cloudflare"}));
    // The servers are read back from the system afterwards.
    EXPECT_EQ(service->dnsServers().size(), 2u);
    EXPECT_EQ(switchTo(DNSPreset::system), (DNSSwitchResult{true, "DNS changed to System Default"}));
    EXPECT_EQ(switcher.requests(),
              (std::vector<RecordingDNSSwitcher::Request>{{"Wired connection 1", {"1.1.1.1", "1.0.0.1"}},
                                                          {"Wired connection 1", {}}}));

    using Status = DNSSwitchOutcome::Status;
    switcher.outcome = {Status::cancelled, "Error executing command as another user: Request dismissed\n"};
    EXPECT_EQ(switchTo(DNSPreset::google), (DNSSwitchResult{false, "Cancelled by user"}));
    switcher.outcome = {Status::failed, "Error: Connection activation failed.\n"};
    EXPECT_EQ(switchTo(DNSPreset::quad9), (DNSSwitchResult{false, "Error: Connection activation failed.\n"}));
    switcher.outcome = {Status::failed, ""};
    EXPECT_EQ(switchTo(DNSPreset::adGuard), (DNSSwitchResult{false, "Failed to change DNS"}));
}
