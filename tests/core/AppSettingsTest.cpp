#include "core/AppSettings.h"
#include "support/MemoryPreferencesStore.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    MemoryPreferencesStore store;
    AppSettings settings{store};
};

// A number property with the range the settings window offers and what a value outside it reads as.
struct NumberProperty {
    const char* key;
    bool integer;
    double lowest;
    double highest;
    double fallback;
    bool toNearestEnd; // else the default
    std::function<double(const AppSettings&)> get;
    std::function<void(AppSettings&, double)> set;
};

const std::vector<NumberProperty> numberProperties{
    {"pingInterval", false, 1.0, 10.0, 2.0, true, [](const AppSettings& s) { return s.pingInterval(); },
     [](AppSettings& s, double v) { s.setPingInterval(v); }},
    {"captivePortalCheckInterval", false, 5.0, 60.0, 10.0, true,
     [](const AppSettings& s) { return s.captivePortalCheckInterval(); },
     [](AppSettings& s, double v) { s.setCaptivePortalCheckInterval(v); }},
    {"latencyWarningThreshold", true, 1, 10'000, 50, false,
     [](const AppSettings& s) { return s.latencyWarningThreshold(); },
     [](AppSettings& s, double v) { s.setLatencyWarningThreshold(int(v)); }},
    {"latencyCriticalThreshold", true, 1, 10'000, 100, false,
     [](const AppSettings& s) { return s.latencyCriticalThreshold(); },
     [](AppSettings& s, double v) { s.setLatencyCriticalThreshold(int(v)); }},
    {"packetLossWarningThreshold", false, 0.0, 100.0, 1.0, false,
     [](const AppSettings& s) { return s.packetLossWarningThreshold(); },
     [](AppSettings& s, double v) { s.setPacketLossWarningThreshold(v); }},
    {"packetLossCriticalThreshold", false, 0.0, 100.0, 5.0, false,
     [](const AppSettings& s) { return s.packetLossCriticalThreshold(); },
     [](AppSettings& s, double v) { s.setPacketLossCriticalThreshold(v); }},
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

// A hand-edited or damaged file cannot set a number the settings window would not offer; an interval
// keeps its direction so that a tiny one cannot make a loop spin.
TEST_F(AppSettingsTest, EveryNumberIsReadAndWrittenWithinItsRange) {
    for (const NumberProperty& n : numberProperties) {
        const auto readBack = [&](double stored) {
            if (n.integer)
                store.writeInteger(n.key, std::int64_t(stored));
            else
                store.writeDouble(n.key, stored);
            return n.get(settings);
        };
        const double below = n.toNearestEnd ? n.lowest : n.fallback;
        const double above = n.toNearestEnd ? n.highest : n.fallback;
        const double step = n.integer ? 1.0 : 0.001;
        EXPECT_EQ(readBack(n.lowest), n.lowest) << n.key;
        EXPECT_EQ(readBack(n.highest), n.highest) << n.key;
        EXPECT_EQ(readBack(n.lowest - step), below) << n.key;
        EXPECT_EQ(readBack(n.highest + step), above) << n.key;
        // Beyond what the property's type holds.
        EXPECT_EQ(readBack(n.highest + 5e9), above) << n.key;
        EXPECT_EQ(readBack(n.lowest - 5e9), below) << n.key;
        if (!n.integer) {
            EXPECT_EQ(readBack(std::numeric_limits<double>::quiet_NaN()), n.fallback) << n.key;
            EXPECT_EQ(readBack(std::numeric_limits<double>::infinity()), above) << n.key;
        }

        // Written out of range, a value is stored and announced as it reads back.
        const std::string signal =
            std::string("2") + n.key + (n.integer ? "Changed(int)" : "Changed(double)");
        QSignalSpy changed(&settings, signal.c_str());
        n.set(settings, n.highest + 1);
        const double stored =
            n.integer ? double(store.readInteger(n.key).value_or(-1)) : store.readDouble(n.key).value_or(-1);
        EXPECT_EQ(stored, above) << n.key;
        ASSERT_EQ(changed.count(), 1) << n.key;
        EXPECT_EQ(changed[0][0].toDouble(), above) << n.key;
    }
}

TEST_F(AppSettingsTest, EverySetterStoresUnderItsOwnKeyAndAnnouncesTheValue) {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject& meta = AppSettings::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).methodType() == QMetaMethod::Signal)
            spies.push_back(std::make_unique<QSignalSpy>(&settings, meta.method(i)));

    const std::vector<std::pair<const char*, std::function<void()>>> setters{
        {"pingInterval", [&] { settings.setPingInterval(3.5); }},
        {"pingTarget", [&] { settings.setPingTarget("8.8.8.8"); }},
        {"latencyWarningThreshold", [&] { settings.setLatencyWarningThreshold(80); }},
        {"latencyCriticalThreshold", [&] { settings.setLatencyCriticalThreshold(250); }},
        {"packetLossWarningThreshold", [&] { settings.setPacketLossWarningThreshold(2.5); }},
        {"packetLossCriticalThreshold", [&] { settings.setPacketLossCriticalThreshold(9.0); }},
        {"menuBarDisplayMode", [&] { settings.setMenuBarDisplayMode(MenuBarDisplayMode::ping); }},
        {"showMenuBarIcon", [&] { settings.setShowMenuBarIcon(false); }},
        {"showMenuBarText", [&] { settings.setShowMenuBarText(true); }}, // unchanged still announces
        {"iconValueMode", [&] { settings.setIconValueMode(IconValueMode::on); }},
        {"checkForCaptivePortal", [&] { settings.setCheckForCaptivePortal(false); }},
        {"captivePortalCheckInterval", [&] { settings.setCaptivePortalCheckInterval(30.0); }},
        {"showSparklines", [&] { settings.setShowSparklines(false); }},
        {"showTips", [&] { settings.setShowTips(false); }},
        {"compactMode", [&] { settings.setCompactMode(false); }},
        {"notificationsEnabled", [&] { settings.setNotificationsEnabled(false); }},
        {"notifyOnHighLatency", [&] { settings.setNotifyOnHighLatency(false); }},
        {"notifyOnPacketLoss", [&] { settings.setNotifyOnPacketLoss(false); }},
        {"notifyOnWeakSignal", [&] { settings.setNotifyOnWeakSignal(false); }},
        {"notifyOnIPChange", [&] { settings.setNotifyOnIPChange(true); }},
        {"notifyOnConnectionLost", [&] { settings.setNotifyOnConnectionLost(false); }},
        {"notifyOnRoaming", [&] { settings.setNotifyOnRoaming(true); }},
        {"serveMetrics", [&] { settings.setServeMetrics(true); }},
        {"metricsAddress", [&] { settings.setMetricsAddress("127.0.0.1:9100"); }},
        {"hasCompletedOnboarding", [&] { settings.setHasCompletedOnboarding(true); }},
        {"settingsWindowFrame", [&] { settings.setSettingsWindowFrame("frame"); }},
    };
    for (const auto& [key, set] : setters) {
        const int writesBefore = store.writeCount();
        set();
        EXPECT_EQ(store.writeCount(), writesBefore + 1) << key;
        EXPECT_TRUE(store.contains(key)) << key;
    }
    // Every property has its signal, and each setter announced once.
    ASSERT_EQ(spies.size(), setters.size());
    for (const auto& spy : spies)
        EXPECT_EQ(spy->count(), 1) << spy->signal().toStdString();

    EXPECT_EQ(store.readDouble("pingInterval"), 3.5);
    EXPECT_EQ(store.readText("pingTarget"), "8.8.8.8");
    EXPECT_EQ(store.readInteger("latencyCriticalThreshold"), 250);
    EXPECT_EQ(store.readBool("showMenuBarText"), true);
    EXPECT_EQ(settings.settingsWindowFrame(), QByteArray("frame"));
}

TEST_F(AppSettingsTest, GettersReadThroughToTheStoreAndFallBackOnMistypedValues) {
    store.writeBool("showTips", false); // written by another view binding the same key
    EXPECT_FALSE(settings.showTips());
    store.setRaw("pingInterval", QString("fast"));
    EXPECT_EQ(settings.pingInterval(), 2.0);
    store.setRaw("latencyWarningThreshold", 70.0);
    EXPECT_EQ(settings.latencyWarningThreshold(), 50);
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

} // namespace
