#pragma once

#include "core/IconValueMode.h"
#include "core/MenuBarDisplayMode.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class PreferencesStore;
class LoginItemService;

// Preference keys; each property of AppSettings is stored under its own name.
namespace SettingsKey {
inline constexpr char pingInterval[] = "pingInterval";
inline constexpr char pingTarget[] = "pingTarget";
inline constexpr char latencyWarningThreshold[] = "latencyWarningThreshold";
inline constexpr char latencyCriticalThreshold[] = "latencyCriticalThreshold";
inline constexpr char packetLossWarningThreshold[] = "packetLossWarningThreshold";
inline constexpr char packetLossCriticalThreshold[] = "packetLossCriticalThreshold";
inline constexpr char menuBarDisplayMode[] = "menuBarDisplayMode";
inline constexpr char showMenuBarIcon[] = "showMenuBarIcon";
inline constexpr char showMenuBarText[] = "showMenuBarText";
inline constexpr char iconValueMode[] = "iconValueMode";
inline constexpr char launchAtLogin[] = "launchAtLogin";
inline constexpr char checkForCaptivePortal[] = "checkForCaptivePortal";
inline constexpr char captivePortalCheckInterval[] = "captivePortalCheckInterval";
inline constexpr char showSparklines[] = "showSparklines";
inline constexpr char showTips[] = "showTips";
inline constexpr char compactMode[] = "compactMode";
inline constexpr char notificationsEnabled[] = "notificationsEnabled";
inline constexpr char notifyOnHighLatency[] = "notifyOnHighLatency";
inline constexpr char notifyOnPacketLoss[] = "notifyOnPacketLoss";
inline constexpr char notifyOnWeakSignal[] = "notifyOnWeakSignal";
inline constexpr char notifyOnIPChange[] = "notifyOnIPChange";
inline constexpr char notifyOnConnectionLost[] = "notifyOnConnectionLost";
inline constexpr char notifyOnRoaming[] = "notifyOnRoaming";
inline constexpr char serveMetrics[] = "serveMetrics";
inline constexpr char metricsAddress[] = "metricsAddress";
inline constexpr char hasCompletedOnboarding[] = "hasCompletedOnboarding";
inline constexpr char settingsWindowFrame[] = "settingsWindowFrame";
} // namespace SettingsKey

// The user's preferences. Every getter reads the store and every setter writes it at once, so code that
// reads the store directly sees the same values; nothing is cached and no default is ever written
// until something assigns it.
class AppSettings final : public QObject {
    Q_OBJECT

public:
    AppSettings(PreferencesStore& store, LoginItemService& loginItems, QObject* parent = nullptr);

    // The ranges a threshold may take; a stored value outside them (a damaged file) reads as the
    // default.
    static constexpr int latencyThresholdRange[2] = {1, 10'000};
    static constexpr double packetLossThresholdRange[2] = {0.0, 100.0};
    // What the settings window offers for the two intervals, in seconds; a hand-edited value outside
    // reads as the nearest end, so a tiny one cannot make a loop spin.
    static constexpr double pingIntervalRange[2] = {1.0, 10.0};
    static constexpr double captivePortalCheckIntervalRange[2] = {5.0, 60.0};

    double pingInterval() const;
    QString pingTarget() const;
    int latencyWarningThreshold() const;
    int latencyCriticalThreshold() const;
    double packetLossWarningThreshold() const;
    double packetLossCriticalThreshold() const;
    MenuBarDisplayMode menuBarDisplayMode() const;
    bool showMenuBarIcon() const;
    bool showMenuBarText() const;
    IconValueMode iconValueMode() const;
    bool launchAtLogin() const;
    bool checkForCaptivePortal() const;
    double captivePortalCheckInterval() const;
    bool showSparklines() const;
    bool showTips() const;
    bool compactMode() const;
    bool notificationsEnabled() const;
    bool notifyOnHighLatency() const;
    bool notifyOnPacketLoss() const;
    bool notifyOnWeakSignal() const;
    bool notifyOnIPChange() const;
    bool notifyOnConnectionLost() const;
    // Moving to another access point of the same network is routine, so it is announced only on request.
    bool notifyOnRoaming() const;
    // Serving the measurements to Prometheus is off until the user turns it on.
    bool serveMetrics() const;
    // HOST:PORT to serve them on; a stored text that does not read as one (a damaged file) gives the
    // default, this machine only.
    QString metricsAddress() const;

    void setPingInterval(double value);
    void setPingTarget(const QString& value);
    void setLatencyWarningThreshold(int value);
    void setLatencyCriticalThreshold(int value);
    void setPacketLossWarningThreshold(double value);
    void setPacketLossCriticalThreshold(double value);
    void setMenuBarDisplayMode(MenuBarDisplayMode value);
    void setShowMenuBarIcon(bool value);
    void setShowMenuBarText(bool value);
    void setIconValueMode(IconValueMode value);
    void setCheckForCaptivePortal(bool value);
    void setCaptivePortalCheckInterval(double value);
    void setShowSparklines(bool value);
    void setShowTips(bool value);
    void setCompactMode(bool value);
    void setNotificationsEnabled(bool value);
    void setNotifyOnHighLatency(bool value);
    void setNotifyOnPacketLoss(bool value);
    void setNotifyOnWeakSignal(bool value);
    void setNotifyOnIPChange(bool value);
    void setNotifyOnConnectionLost(bool value);
    void setNotifyOnRoaming(bool value);
    void setServeMetrics(bool value);
    // Callers store only addresses that parse; the settings window refuses the others.
    void setMetricsAddress(const QString& value);

    // Restores the four alert thresholds; every other key keeps its value.
    void resetToDefaults();

    bool hasCompletedOnboarding() const;
    void setHasCompletedOnboarding(bool value);

    // Where the settings window was last, as the window system describes it; empty until first saved.
    QByteArray settingsWindowFrame() const;
    void setSettingsWindowFrame(const QByteArray& frame);

    // The launch-at-login switch: registers or unregisters the login item and, on success, stores the
    // wanted state. Answers the state the switch must show afterwards (the opposite of `wanted` when
    // the change failed). This is the only way `launchAtLogin` is written.
    bool setLaunchAtLogin(bool wanted);
    // What the switch shows when it appears: the login item's actual state, not the stored key.
    bool launchAtLoginEnabled() const;

signals:
    void pingIntervalChanged(double value);
    void pingTargetChanged(const QString& value);
    void latencyWarningThresholdChanged(int value);
    void latencyCriticalThresholdChanged(int value);
    void packetLossWarningThresholdChanged(double value);
    void packetLossCriticalThresholdChanged(double value);
    void menuBarDisplayModeChanged(MenuBarDisplayMode value);
    void showMenuBarIconChanged(bool value);
    void showMenuBarTextChanged(bool value);
    void iconValueModeChanged(IconValueMode value);
    void launchAtLoginChanged(bool value);
    void checkForCaptivePortalChanged(bool value);
    void captivePortalCheckIntervalChanged(double value);
    void showSparklinesChanged(bool value);
    void showTipsChanged(bool value);
    void compactModeChanged(bool value);
    void notificationsEnabledChanged(bool value);
    void notifyOnHighLatencyChanged(bool value);
    void notifyOnPacketLossChanged(bool value);
    void notifyOnWeakSignalChanged(bool value);
    void notifyOnIPChangeChanged(bool value);
    void notifyOnConnectionLostChanged(bool value);
    void notifyOnRoamingChanged(bool value);
    void serveMetricsChanged(bool value);
    void metricsAddressChanged(const QString& value);

private:
    PreferencesStore& m_store;
    LoginItemService& m_loginItems;
};
