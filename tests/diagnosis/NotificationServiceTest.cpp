#include "diagnosis/NotificationService.h"
#include "core/AppSettings.h"
#include "support/ManualClock.h"
#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"
#include "support/PrivateBus.h"
#include "support/TestUtil.h"
#include "system/linux/FreedesktopNotificationCenter.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusError>
#include <QVariantMap>

using namespace std::chrono_literals;

namespace {

// Stands in for the desktop's notification server and keeps every Notify call.
class RecordingNotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Received {
        QString appName, summary, body;
        QVariantMap hints;
    };
    std::vector<Received> received;
    bool refuse = false;

public slots:
    uint Notify(const QString& appName, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap& hints, int) {
        received.push_back({appName, summary, body, hints});
        if (refuse)
            sendErrorReply(QDBusError::AccessDenied, "Do not disturb is on");
        return uint(received.size());
    }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = "test";
        version = "1";
        specVersion = "1.2";
        return "recorder";
    }
};

PingStatistics internet(double average, double loss = 0.0, int samples = 10) {
    PingStatistics s;
    s.averageLatency = average;
    s.packetLoss = loss;
    s.samplesCount = samples;
    return s;
}

std::optional<WiFiInfo> signal(int rssi) {
    WiFiInfo info;
    info.rssi = rssi;
    return info;
}

class NotificationServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address.isEmpty()) << "dbus-daemon did not start";
        static int serial = 0;
        const QString suffix = QString::number(++serial);
        client = QDBusConnection::connectToBus(bus.address, "client" + suffix);
        serverBus = QDBusConnection::connectToBus(bus.address, "server" + suffix);
        ASSERT_TRUE(client.isConnected() && serverBus.isConnected());
        center = std::make_unique<FreedesktopNotificationCenter>(client, QStringLiteral("XFCE"));
        settings.setHasCompletedOnboarding(true);
    }
    void TearDown() override {
        service.reset();
        center.reset();
        QDBusConnection::disconnectFromBus(client.name());
        QDBusConnection::disconnectFromBus(serverBus.name());
    }

    void startServer() {
        ASSERT_TRUE(serverBus.registerObject(FreedesktopNotificationCenter::objectPath, &server,
                                             QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serverBus.registerService(FreedesktopNotificationCenter::serviceName));
    }
    // Creates the service and waits for its first look at the bus.
    void createService() {
        service = std::make_unique<NotificationService>(*center, settings, clock);
        QObject::connect(service.get(), &NotificationService::isAuthorizedChanged, service.get(),
                         [this](bool) { ++authorizationAnswers; });
        ASSERT_TRUE(waitUntil([&] { return authorizationAnswers == 1; }));
    }
    void step(const PingStatistics& stats, std::optional<WiFiInfo> wifi = std::nullopt,
              CaptivePortalStatus portal = CaptivePortalStatus::connected(),
              std::optional<std::string> publicIP = std::nullopt) {
        service->runNotificationStep(stats, wifi, publicIP, portal);
    }
    bool receivedCount(std::size_t n) {
        return waitUntil([&] { return server.received.size() >= n; }, 3s) && server.received.size() == n;
    }

    PrivateBus bus;
    QDBusConnection client{QString()};
    QDBusConnection serverBus{QString()};
    RecordingNotificationServer server;
    std::unique_ptr<FreedesktopNotificationCenter> center;
    MemoryPreferencesStore store;
    AppSettings settings{store};
    ManualClock clock;
    std::unique_ptr<NotificationService> service;
    int authorizationAnswers = 0;
};

} // namespace

TEST_F(NotificationServiceTest, DeliversOverTheSessionBus) {
    startServer();
    createService();
    ASSERT_TRUE(service->isAuthorized());

    step(internet(150.4), signal(-80));
    ASSERT_TRUE(receivedCount(1));
    const auto& first = server.received[0];
    EXPECT_EQ(first.appName, "Linkmeter");
    EXPECT_EQ(first.summary, "Internet Feeling Sluggish");
    EXPECT_EQ(first.body, QString::fromUtf8("Response time is 150ms \u2014 things may feel slow"));
    EXPECT_EQ(first.hints.value("category").toString(), "high_latency");
    EXPECT_EQ(first.hints.value("x-linkmeter-identifier").toString(), "high_latency-1800000000.0");
    EXPECT_EQ(first.hints.value("sound-name").toString(), "message-new-instant");

    // Ten seconds later: the portal alert and a signal recovery go out; the repeated latency alert does not.
    clock.advance(10s);
    step(internet(150), signal(-59), CaptivePortalStatus::captivePortal());
    ASSERT_TRUE(receivedCount(3));
    EXPECT_EQ(server.received[1].summary, "Sign-In Required");
    EXPECT_EQ(server.received[1].hints.value("category").toString(), "captive_portal");
    EXPECT_EQ(server.received[2].summary, "Signal Strength Improved!");
    EXPECT_FALSE(server.received[2].hints.contains("sound-name"));
    EXPECT_TRUE(server.received[2].hints.value("suppress-sound").toBool());
}

TEST_F(NotificationServiceTest, StepReadsOnlyWindowsWithSamples) {
    startServer();
    createService();
    step(internet(150, 50, 0), std::nullopt, CaptivePortalStatus::noInternet("The request timed out."));
    ASSERT_TRUE(receivedCount(1));
    EXPECT_EQ(server.received[0].summary, "You're Offline");
    EXPECT_TRUE(service->ruleState().wasHavingIssues);
    EXPECT_EQ(service->ruleState().previousLatency, std::nullopt);
}

TEST_F(NotificationServiceTest, SwitchedOffLeavesEverythingUntouched) {
    startServer();
    createService();
    settings.setNotificationsEnabled(false);
    step(internet(150, 20), signal(-90), CaptivePortalStatus::captivePortal());
    spinFor(200ms);
    EXPECT_TRUE(server.received.empty());
    EXPECT_EQ(service->ruleState(), NotificationRuleState{});

    settings.setNotificationsEnabled(true);
    step(internet(40), signal(-50));
    EXPECT_EQ(service->ruleState().previousLatency, 40.0);
    EXPECT_EQ(service->ruleState().previousRSSI, -50);
}

// A first start must not greet the user with alerts while the introduction is still open.
TEST_F(NotificationServiceTest, NothingIsSentBeforeOnboardingIsFinished) {
    settings.setHasCompletedOnboarding(false);
    startServer();
    createService();
    ASSERT_TRUE(service->isAuthorized());
    step(internet(150, 100), signal(-90), CaptivePortalStatus::noInternet("The request timed out."));
    spinFor(200ms);
    EXPECT_TRUE(server.received.empty());
    EXPECT_EQ(service->ruleState(), NotificationRuleState{});

    settings.setHasCompletedOnboarding(true);
    step(internet(150, 100), signal(-90), CaptivePortalStatus::noInternet("The request timed out."));
    ASSERT_TRUE(waitUntil([&] { return !server.received.empty(); }, 3s));
    EXPECT_EQ(server.received[0].summary, "You're Offline");
}

TEST_F(NotificationServiceTest, AlertSwitchesComeFromTheSettings) {
    startServer();
    createService();
    // By default a changed public address is not announced; switching it on is enough.
    const auto connected = CaptivePortalStatus::connected();
    step(internet(20), signal(-50), connected, "198.51.100.1");
    step(internet(20), signal(-50), connected, "198.51.100.2");
    // Packet loss switched off: a lossy window raises nothing.
    settings.setNotifyOnIPChange(true);
    settings.setNotifyOnPacketLoss(false);
    step(internet(20, 30), signal(-50), connected, "198.51.100.3");
    ASSERT_TRUE(receivedCount(1));
    spinFor(200ms);
    ASSERT_EQ(server.received.size(), 1u);
    EXPECT_EQ(server.received[0].summary, "Network Changed");
}

TEST_F(NotificationServiceTest, WithoutServerNothingIsAllowedUntilAskedAgain) {
    createService();
    EXPECT_FALSE(service->isAuthorized());
    EXPECT_EQ(service->requestProblem(), std::nullopt) << "nothing was asked yet";
    step(internet(150), signal(-90));
    EXPECT_EQ(service->ruleState(), NotificationRuleState{});

    testing::internal::CaptureStdout();
    service->requestAuthorization();
    ASSERT_TRUE(waitUntil([&] { return authorizationAnswers == 2; }));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(log.rfind("Notification authorization error: ", 0), 0u) << log;
    EXPECT_FALSE(service->isAuthorized());
    // The user who asked hears what happened and what to do, in words of the desktop at hand.
    EXPECT_EQ(service->requestProblem(), "No notification service is running. Install the xfce4-notifyd "
                                         "package; Xfce starts it when needed.");

    startServer();
    service->requestAuthorization();
    ASSERT_TRUE(waitUntil([&] { return service->isAuthorized(); }));
    EXPECT_EQ(service->requestProblem(), std::nullopt);
    step(internet(150));
    EXPECT_TRUE(receivedCount(1));
}

TEST_F(NotificationServiceTest, RefusedDeliveryIsLoggedAndStillCountsAsSent) {
    server.refuse = true;
    startServer();
    createService();
    testing::internal::CaptureStdout();
    step(internet(150));
    ASSERT_TRUE(receivedCount(1));
    spinFor(200ms);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to send notification: Do not disturb is on\n");

    clock.advance(59s);
    step(internet(150));
    spinFor(200ms);
    EXPECT_EQ(server.received.size(), 1u);
}

#include "NotificationServiceTest.moc"
