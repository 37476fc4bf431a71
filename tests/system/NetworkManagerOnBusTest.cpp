#include "support/FakeNetworkManager.h"
#include "support/PrivateBus.h"
#include "system/linux/NetworkManagerConnectionNames.h"
#include "system/linux/NetworkManagerKeyManagement.h"
#include "system/linux/NetworkManagerScanTrigger.h"
#include "system/linux/WiFiCodeMapping.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QUuid>

using namespace std::chrono_literals;
using Status = ScanTrigger::Outcome::Status;

namespace {

// A private system-type bus with the fake NetworkManager on it, and the program's own connection.
class NetworkManagerOnBus : public testing::Test {
protected:
    void SetUp() override {
        if (bus.address.isEmpty())
            GTEST_SKIP() << "dbus-daemon could not be started";
        manager = std::make_unique<FakeNetworkManager>(bus.address);
        ASSERT_TRUE(manager->registered());
        client = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(bus.address, clientName));
        ASSERT_TRUE(client->isConnected());
    }
    void TearDown() override {
        client.reset();
        QDBusConnection::disconnectFromBus(clientName);
    }

    // Runs a scan request and measures how long it blocked.
    ScanTrigger::Outcome scan(std::chrono::milliseconds limit, const std::string& interface = "wlan0") {
        NetworkManagerScanTrigger trigger(*client);
        QElapsedTimer timer;
        timer.start();
        auto outcome = trigger.requestScan(interface, limit);
        tookMs = timer.elapsed();
        return outcome;
    }

    PrivateBus bus{PrivateBus::Type::system};
    std::unique_ptr<FakeNetworkManager> manager;
    const QString clientName = QStringLiteral("client-") + QUuid::createUuid().toString(QUuid::Id128);
    std::unique_ptr<QDBusConnection> client;
    qint64 tookMs = 0;
};

TEST_F(NetworkManagerOnBus, AScanCompletesWhenLastScanMovesEvenAfterNotAllowed) {
    EXPECT_EQ(scan(5s).status, Status::completed);
    // Right after a scan NetworkManager defers the next one and says NotAllowed; it still finishes.
    manager->scanReply = FakeNetworkManager::ScanReply::notAllowed;
    EXPECT_EQ(scan(5s).status, Status::completed);
    EXPECT_EQ(manager->scanRequests, 2);
}

TEST_F(NetworkManagerOnBus, GivesUpAtTheLimitWhenTheScanNeverEndsOrNoAnswerComes) {
    manager->scanFinishes = false;
    const auto unfinished = scan(800ms);
    EXPECT_EQ(unfinished.status, Status::timedOut);
    EXPECT_GE(tookMs, 750);
    EXPECT_LT(tookMs, 1500);

    // A daemon that never answers the request must not hold the scan past the limit either.
    manager->scanReply = FakeNetworkManager::ScanReply::never;
    const auto silent = scan(800ms);
    EXPECT_EQ(silent.status, Status::timedOut);
    EXPECT_LT(tookMs, 1500);
}

TEST_F(NetworkManagerOnBus, ARefusalOrAnUnmanagedInterfaceSaysWhy) {
    manager->scanReply = FakeNetworkManager::ScanReply::refused;
    const auto refused = scan(5s);
    EXPECT_EQ(refused.status, Status::refused);
    EXPECT_EQ(refused.message, "Not authorized");

    const auto unmanaged = scan(5s, "eth7");
    EXPECT_EQ(unmanaged.status, Status::unavailable);
    EXPECT_NE(unmanaged.message.find("eth7"), std::string::npos);
}

TEST_F(NetworkManagerOnBus, KeyManagementOfTheActiveConnectionGivesTheSecurity) {
    const auto security = [&](const QVariantMap& wireless, const QString& type = "802-11-wireless") {
        manager->settings = {{"connection", {{"id", "Home"}, {"type", type}}}};
        if (!wireless.isEmpty())
            manager->settings.insert("802-11-wireless-security", wireless);
        const auto keys = activeKeyManagement(*client, "wlan0");
        return keys ? std::optional(wifi_mapping::securityCodeForKeyManagement(*keys)) : std::nullopt;
    };
    EXPECT_EQ(security({{"key-mgmt", "sae"}}), wifi_codes::securityPersonal);
    EXPECT_EQ(security({{"key-mgmt", "wpa-psk"}, {"proto", QStringList{"wpa"}}}),
              wifi_codes::securityWPAPersonal);
    EXPECT_EQ(security({{"key-mgmt", "wpa-eap"}, {"pmf", 3}}), wifi_codes::securityEnterprise);
    EXPECT_EQ(security({}), wifi_codes::securityNone);
    // A wired connection on the interface says nothing about Wi-Fi security.
    EXPECT_EQ(security({{"key-mgmt", "wpa-psk"}}, "802-3-ethernet"), std::nullopt);
    EXPECT_EQ(activeKeyManagement(*client, "eth7"), std::nullopt);

    NetworkManagerConnectionNames names(*client);
    EXPECT_EQ(names.connectionName("wlan0"), "Home");
    EXPECT_EQ(names.connectionName("eth7"), std::nullopt);
}

TEST(NetworkManagerWithoutBus, NoBusOrNoDaemonIsUnavailableAtOnce) {
    const QString name = QStringLiteral("absent-") + QUuid::createUuid().toString(QUuid::Id128);
    const auto absent = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), name);
    EXPECT_FALSE(absent.isConnected());
    EXPECT_EQ(NetworkManagerScanTrigger(absent).requestScan("wlan0", 5s).status, Status::unavailable);
    EXPECT_EQ(activeKeyManagement(absent, "wlan0"), std::nullopt);
    EXPECT_EQ(NetworkManagerConnectionNames(absent).connectionName("wlan0"), std::nullopt);
    QDBusConnection::disconnectFromBus(name);

    // A bus without NetworkManager on it.
    PrivateBus bus(PrivateBus::Type::system);
    if (bus.address.isEmpty())
        GTEST_SKIP() << "dbus-daemon could not be started";
    const QString emptyName = QStringLiteral("empty-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        const auto empty = QDBusConnection::connectToBus(bus.address, emptyName);
        ASSERT_TRUE(empty.isConnected());
        EXPECT_EQ(NetworkManagerScanTrigger(empty).requestScan("wlan0", 5s).status, Status::unavailable);
        EXPECT_EQ(activeKeyManagement(empty, "wlan0"), std::nullopt);
    }
    QDBusConnection::disconnectFromBus(emptyName);
}

} // namespace
