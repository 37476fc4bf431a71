#include "core/WiFiService.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

WiFiReading reading(std::optional<std::string> ssid, int rssi = -60) {
    WiFiReading result;
    result.powerOn = true;
    result.rssiValue = rssi;
    result.ssid = std::move(ssid);
    return result;
}

class WiFiServiceTest : public ::testing::Test {
protected:
    void record(WiFiService& service) {
        QObject::connect(
            &service, &WiFiService::needsLocationPermissionChanged, &service,
            [this](bool value) { events.push_back(std::string("permission:") + (value ? "1" : "0")); });
        QObject::connect(&service, &WiFiService::currentInfoChanged, &service,
                         [this](const std::optional<WiFiInfo>& info) {
                             events.push_back("info:" + (info ? info->ssid : std::string("-")));
                         });
        QObject::connect(&service, &WiFiService::isConnectedChanged, &service, [this](bool value) {
            events.push_back(std::string("connected:") + (value ? "1" : "0"));
        });
    }

    FakeWiFiReader reader;
    std::vector<std::string> events;
};

TEST_F(WiFiServiceTest, ConstructionRefreshesOnce) {
    reader.next = reading("Home");
    WiFiService service(reader);
    EXPECT_EQ(reader.reads, 1);
    ASSERT_TRUE(service.currentInfo());
    EXPECT_EQ(service.currentInfo()->ssid, "Home");
    EXPECT_TRUE(service.isConnected());
    EXPECT_FALSE(service.needsLocationPermission());
}

TEST_F(WiFiServiceTest, PublishesInOrderAndEvenWhenUnchanged) {
    reader.next = reading(std::nullopt);
    WiFiService service(reader);
    record(service);

    service.refresh();
    service.refresh();
    const std::vector<std::string> once{"permission:1", "info:Unknown Network", "connected:1"};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(events, twice);
    EXPECT_TRUE(service.needsLocationPermission());
}

TEST_F(WiFiServiceTest, DisconnectKeepsPermissionFlagAndSkipsItsSignal) {
    reader.next = reading(std::nullopt);
    WiFiService service(reader);
    record(service);

    reader.next = reading(std::nullopt, 0);
    service.refresh();
    EXPECT_EQ(events, (std::vector<std::string>{"info:-", "connected:0"}));
    EXPECT_FALSE(service.currentInfo());
    EXPECT_FALSE(service.isConnected());
    EXPECT_TRUE(service.needsLocationPermission());

    events.clear();
    reader.next.reset();
    service.refresh();
    EXPECT_EQ(events, (std::vector<std::string>{"info:-", "connected:0"}));
    EXPECT_TRUE(service.needsLocationPermission());

    reader.next = reading("Office");
    service.refresh();
    EXPECT_FALSE(service.needsLocationPermission());
    EXPECT_TRUE(service.isConnected());
}

} // namespace
