#include "core/AppSettings.h"
#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    MemoryPreferencesStore store;
    FakeLoginItems loginItems;
    AppSettings settings{store, loginItems};
};

TEST(MenuBarDisplayModeTest, RawValuesRoundTripInSettingsOrder) {
    const std::vector<std::string_view> expected{"icon", "ping", "quality", "bandwidth", "pingAndQuality"};
    ASSERT_EQ(allMenuBarDisplayModes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rawValue(allMenuBarDisplayModes[i]), expected[i]);
        EXPECT_EQ(menuBarDisplayModeFromRawValue(expected[i]), allMenuBarDisplayModes[i]);
    }
    for (std::string_view other : {"Bandwidth", "", " icon", "ping ", "pingandquality"})
        EXPECT_FALSE(menuBarDisplayModeFromRawValue(other).has_value()) << other;
}

TEST(IconValueModeTest, AutomaticPutsTheNumberInTheIconWhereThePanelDrawsNoText) {
    for (const char* desktop : {"GNOME", "ubuntu:GNOME", "Budgie:GNOME", "Unity", "gnome-classic:gnome"})
        EXPECT_FALSE(showsValueInIcon(IconValueMode::automatic, desktop)) << desktop;
    for (const char* desktop : {"XFCE", "KDE", "LXQt", "X-Cinnamon", "", ":", "GNOMEish", "MATE:"})
        EXPECT_TRUE(showsValueInIcon(IconValueMode::automatic, desktop)) << desktop;
    EXPECT_TRUE(showsValueInIcon(IconValueMode::on, "GNOME"));
    EXPECT_FALSE(showsValueInIcon(IconValueMode::off, "XFCE"));
}

TEST_F(AppSettingsTest, FreshStoreReadsEveryDefaultWithoutWriting) {
    EXPECT_EQ(settings.pingInterval(), 2.0);
    EXPECT_EQ(settings.pingTarget(), "1.1.1.1");
    EXPECT_EQ(settings.latencyWarningThreshold(), 50);
    EXPECT_EQ(settings.latencyCriticalThreshold(), 100);
    EXPECT_EQ(settings.packetLossWarningThreshold(), 1.0);
    EXPECT_EQ(settings.packetLossCriticalThreshold(), 5.0);
    EXPECT_EQ(settings.menuBarDisplayMode(), MenuBarDisplayMode::quality);
    EXPECT_TRUE(settings.showMenuBarIcon());
    EXPECT_TRUE(settings.showMenuBarText());
    EXPECT_EQ(settings.iconValueMode(), IconValueMode::automatic);
    EXPECT_FALSE(settings.launchAtLogin());
    EXPECT_TRUE(settings.checkForCaptivePortal());
    EXPECT_EQ(settings.captivePortalCheckInterval(), 10.0);
    EXPECT_TRUE(settings.showSparklines());
    EXPECT_TRUE(settings.showTips());
    EXPECT_FALSE(settings.compactMode());
    EXPECT_TRUE(settings.notificationsEnabled());
    EXPECT_TRUE(settings.notifyOnHighLatency());
    EXPECT_TRUE(settings.notifyOnPacketLoss());
    EXPECT_TRUE(settings.notifyOnWeakSignal());
    EXPECT_FALSE(settings.notifyOnIPChange());
    EXPECT_TRUE(settings.notifyOnConnectionLost());
    EXPECT_FALSE(settings.notifyOnRoaming());
    EXPECT_FALSE(settings.hasCompletedOnboarding());
    EXPECT_EQ(store.writeCount(), 0);
}

TEST_F(AppSettingsTest, HandEditedIntervalsReadWithinWhatTheSettingsOffer) {
    const auto pingInterval = [this](double stored) {
        store.writeDouble(SettingsKey::pingInterval, stored);
        return settings.pingInterval();
    };
    EXPECT_EQ(pingInterval(0.0001), 1.0);
    EXPECT_EQ(pingInterval(-3.0), 1.0);
    EXPECT_EQ(pingInterval(1.0), 1.0);
    EXPECT_EQ(pingInterval(7.5), 7.5);
    EXPECT_EQ(pingInterval(10.0), 10.0);
    EXPECT_EQ(pingInterval(86400.0), 10.0);

    const auto portalInterval = [this](double stored) {
        store.writeDouble(SettingsKey::captivePortalCheckInterval, stored);
        return settings.captivePortalCheckInterval();
    };
    EXPECT_EQ(portalInterval(0.0001), 5.0);
    EXPECT_EQ(portalInterval(5.0), 5.0);
    EXPECT_EQ(portalInterval(30.0), 30.0);
    EXPECT_EQ(portalInterval(60.0), 60.0);
    EXPECT_EQ(portalInterval(1e9), 60.0);
}

TEST_F(AppSettingsTest, SettersWriteUnderThePropertyNameAndNotify) {
    QSignalSpy interval(&settings, &AppSettings::pingIntervalChanged);
    QSignalSpy compact(&settings, &AppSettings::compactModeChanged);
    settings.setPingInterval(3.5);
    settings.setCompactMode(false); // unchanged value still notifies
    settings.setLatencyCriticalThreshold(250);
    settings.setPingTarget("8.8.8.8");
    settings.setHasCompletedOnboarding(true);

    EXPECT_EQ(store.readDouble("pingInterval"), 3.5);
    EXPECT_EQ(store.readBool("compactMode"), false);
    EXPECT_EQ(store.readInteger("latencyCriticalThreshold"), 250);
    EXPECT_EQ(store.readText("pingTarget"), "8.8.8.8");
    EXPECT_EQ(store.readBool("hasCompletedOnboarding"), true);
    ASSERT_EQ(interval.count(), 1);
    EXPECT_EQ(interval[0][0].toDouble(), 3.5);
    EXPECT_EQ(compact.count(), 1);
}

TEST_F(AppSettingsTest, GettersReadThroughToTheStoreAndFallBackOnMistypedValues) {
    store.writeBool("showTips", false); // written by another view binding the same key
    EXPECT_FALSE(settings.showTips());
    store.setRaw("pingInterval", QString("fast"));
    EXPECT_EQ(settings.pingInterval(), 2.0);
    store.writeInteger("latencyWarningThreshold", 5'000'000'000LL); // does not fit the property
    EXPECT_EQ(settings.latencyWarningThreshold(), 50);
}

TEST_F(AppSettingsTest, ThresholdsOutsideTheirRangeReadAsTheDefault) {
    store.writeInteger("latencyWarningThreshold", 0);
    store.writeInteger("latencyCriticalThreshold", 10'001);
    store.writeDouble("packetLossWarningThreshold", -0.5);
    store.writeDouble("packetLossCriticalThreshold", 100.5);
    EXPECT_EQ(settings.latencyWarningThreshold(), 50);
    EXPECT_EQ(settings.latencyCriticalThreshold(), 100);
    EXPECT_EQ(settings.packetLossWarningThreshold(), 1.0);
    EXPECT_EQ(settings.packetLossCriticalThreshold(), 5.0);

    // The edges themselves are usable.
    store.writeInteger("latencyWarningThreshold", 1);
    store.writeInteger("latencyCriticalThreshold", 10'000);
    store.writeDouble("packetLossWarningThreshold", 0.0);
    store.writeDouble("packetLossCriticalThreshold", 100.0);
    EXPECT_EQ(settings.latencyWarningThreshold(), 1);
    EXPECT_EQ(settings.latencyCriticalThreshold(), 10'000);
    EXPECT_EQ(settings.packetLossWarningThreshold(), 0.0);
    EXPECT_EQ(settings.packetLossCriticalThreshold(), 100.0);
}

TEST_F(AppSettingsTest, DisplayModeIsStoredAsRawTextAndUnknownTextReadsAsQuality) {
    settings.setMenuBarDisplayMode(MenuBarDisplayMode::bandwidth);
    EXPECT_EQ(store.readText("menuBarDisplayMode"), "bandwidth");
    EXPECT_EQ(settings.menuBarDisplayMode(), MenuBarDisplayMode::bandwidth);

    store.writeText("menuBarDisplayMode", "Bandwidth");
    EXPECT_EQ(settings.menuBarDisplayMode(), MenuBarDisplayMode::quality);
    EXPECT_EQ(store.readText("menuBarDisplayMode"), "Bandwidth"); // kept until the next assignment
}

TEST_F(AppSettingsTest, IconValueModeIsStoredAsRawTextAndUnknownTextReadsAsAutomatic) {
    QSignalSpy changed(&settings, &AppSettings::iconValueModeChanged);
    settings.setIconValueMode(IconValueMode::off);
    EXPECT_EQ(store.readText("iconValueMode"), "off");
    EXPECT_EQ(settings.iconValueMode(), IconValueMode::off);
    EXPECT_EQ(changed.count(), 1);
    store.writeText("iconValueMode", "On");
    EXPECT_EQ(settings.iconValueMode(), IconValueMode::automatic);
}

TEST_F(AppSettingsTest, MetricsAreOffAndOnLoopbackUntilTheUserSaysOtherwise) {
    EXPECT_FALSE(settings.serveMetrics());
    EXPECT_EQ(settings.metricsAddress(), "127.0.0.1:9469");
    QSignalSpy changed(&settings, &AppSettings::metricsAddressChanged);
    settings.setMetricsAddress("0.0.0.0:9100");
    EXPECT_EQ(settings.metricsAddress(), "0.0.0.0:9100");
    EXPECT_EQ(changed.count(), 1);
    // An edited file with an address that does not parse falls back to this machine only.
    for (const char* damaged : {"0.0.0.0", "everywhere:9469", "0.0.0.0:0"}) {
        store.writeText("metricsAddress", damaged);
        EXPECT_EQ(settings.metricsAddress(), "127.0.0.1:9469") << damaged;
    }
}

TEST_F(AppSettingsTest, ResetRestoresOnlyTheFourThresholds) {
    settings.setLatencyWarningThreshold(10);
    settings.setLatencyCriticalThreshold(20);
    settings.setPacketLossWarningThreshold(7.5);
    settings.setPacketLossCriticalThreshold(9.5);
    settings.setPingInterval(4.0);
    const int writesBefore = store.writeCount();

    settings.resetToDefaults();

    EXPECT_EQ(store.writeCount() - writesBefore, 4);
    EXPECT_EQ(settings.latencyWarningThreshold(), 50);
    EXPECT_EQ(settings.latencyCriticalThreshold(), 100);
    EXPECT_EQ(settings.packetLossWarningThreshold(), 1.0);
    EXPECT_EQ(settings.packetLossCriticalThreshold(), 5.0);
    EXPECT_EQ(settings.pingInterval(), 4.0);
}

TEST_F(AppSettingsTest, LaunchAtLoginStoresTheStateOnlyWhenTheLoginItemChanged) {
    QSignalSpy changed(&settings, &AppSettings::launchAtLoginChanged);
    EXPECT_TRUE(settings.setLaunchAtLogin(true));
    EXPECT_EQ(loginItems.registerCalls, 1);
    EXPECT_TRUE(settings.launchAtLogin());
    EXPECT_TRUE(settings.launchAtLoginEnabled());
    EXPECT_EQ(changed.count(), 1);

    loginItems.failure = "Permission denied";
    testing::internal::CaptureStdout();
    EXPECT_TRUE(settings.setLaunchAtLogin(false)); // the switch goes back on
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to set launch at login: Permission denied\n");
    EXPECT_EQ(loginItems.unregisterCalls, 1);
    EXPECT_TRUE(settings.launchAtLogin());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(AppSettingsTest, ShownSwitchFollowsTheLoginItemNotTheStoredKey) {
    store.writeBool("launchAtLogin", true);
    EXPECT_FALSE(settings.launchAtLoginEnabled());
    loginItems.enabled = true;
    store.writeBool("launchAtLogin", false);
    EXPECT_TRUE(settings.launchAtLoginEnabled());
}

} // namespace
