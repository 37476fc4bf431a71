#pragma once

#include "core/SettingsTable.h"
#include "core/StoredSettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class PreferencesStore;

// The user's preferences, one property per row of the settings table. Every getter reads the store
// and every setter writes it at once and announces the value, so code that reads the store directly
// sees the same values; nothing is cached and no default is ever written until something assigns it.
// Launch at login has a controller of its own (LoginItemController).
class AppSettings final : public QObject {
    Q_OBJECT

public:
    explicit AppSettings(PreferencesStore& store, QObject* parent = nullptr)
        : QObject(parent), m_store(store) {}

    // The ranges the thresholds may take; a stored value outside them (a damaged file) reads as the
    // default.
    static constexpr int latencyThresholdRange[2] = {setting::latencyWarningThreshold.lowest,
                                                     setting::latencyWarningThreshold.highest};
    static constexpr double packetLossThresholdRange[2] = {setting::packetLossWarningThreshold.lowest,
                                                           setting::packetLossWarningThreshold.highest};

    double pingInterval() const { return readSetting(m_store, setting::pingInterval); }
    QString pingTarget() const { return readSetting(m_store, setting::pingTarget); }
    int latencyWarningThreshold() const { return readSetting(m_store, setting::latencyWarningThreshold); }
    int latencyCriticalThreshold() const { return readSetting(m_store, setting::latencyCriticalThreshold); }
    double packetLossWarningThreshold() const {
        return readSetting(m_store, setting::packetLossWarningThreshold);
    }
    double packetLossCriticalThreshold() const {
        return readSetting(m_store, setting::packetLossCriticalThreshold);
    }
    MenuBarDisplayMode menuBarDisplayMode() const {
        return readSetting(m_store, setting::menuBarDisplayMode);
    }
    bool showMenuBarIcon() const { return readSetting(m_store, setting::showMenuBarIcon); }
    bool showMenuBarText() const { return readSetting(m_store, setting::showMenuBarText); }
    IconValueMode iconValueMode() const { return readSetting(m_store, setting::iconValueMode); }
    bool checkForCaptivePortal() const { return readSetting(m_store, setting::checkForCaptivePortal); }
    double captivePortalCheckInterval() const {
        return readSetting(m_store, setting::captivePortalCheckInterval);
    }
    bool showSparklines() const { return readSetting(m_store, setting::showSparklines); }
    bool showTips() const { return readSetting(m_store, setting::showTips); }
    bool compactMode() const { return readSetting(m_store, setting::compactMode); }
    bool notificationsEnabled() const { return readSetting(m_store, setting::notificationsEnabled); }
    bool notifyOnHighLatency() const { return readSetting(m_store, setting::notifyOnHighLatency); }
    bool notifyOnPacketLoss() const { return readSetting(m_store, setting::notifyOnPacketLoss); }
    bool notifyOnWeakSignal() const { return readSetting(m_store, setting::notifyOnWeakSignal); }
    bool notifyOnIPChange() const { return readSetting(m_store, setting::notifyOnIPChange); }
    bool notifyOnConnectionLost() const { return readSetting(m_store, setting::notifyOnConnectionLost); }
    bool notifyOnRoaming() const { return readSetting(m_store, setting::notifyOnRoaming); }
    bool hasCompletedOnboarding() const { return readSetting(m_store, setting::hasCompletedOnboarding); }
    // Serving the figures to Prometheus is off unless the user turns it on.
    bool serveMetrics() const { return readSetting(m_store, setting::serveMetrics); }
    QString metricsAddress() const { return readSetting(m_store, setting::metricsAddress); }
    QByteArray settingsWindowFrame() const { return readSetting(m_store, setting::settingsWindowFrame); }

    // A number outside its range is stored as it would read back: brought to the nearer end, or the
    // default.
    void setPingInterval(double value) {
        set(setting::pingInterval, value, &AppSettings::pingIntervalChanged);
    }
    void setPingTarget(const QString& value) {
        set(setting::pingTarget, value, &AppSettings::pingTargetChanged);
    }
    void setLatencyWarningThreshold(int value) {
        set(setting::latencyWarningThreshold, value, &AppSettings::latencyWarningThresholdChanged);
    }
    void setLatencyCriticalThreshold(int value) {
        set(setting::latencyCriticalThreshold, value, &AppSettings::latencyCriticalThresholdChanged);
    }
    void setPacketLossWarningThreshold(double value) {
        set(setting::packetLossWarningThreshold, value, &AppSettings::packetLossWarningThresholdChanged);
    }
    void setPacketLossCriticalThreshold(double value) {
        set(setting::packetLossCriticalThreshold, value, &AppSettings::packetLossCriticalThresholdChanged);
    }
    void setMenuBarDisplayMode(MenuBarDisplayMode value) {
        set(setting::menuBarDisplayMode, value, &AppSettings::menuBarDisplayModeChanged);
    }
    void setShowMenuBarIcon(bool value) {
        set(setting::showMenuBarIcon, value, &AppSettings::showMenuBarIconChanged);
    }
    void setShowMenuBarText(bool value) {
        set(setting::showMenuBarText, value, &AppSettings::showMenuBarTextChanged);
    }
    void setIconValueMode(IconValueMode value) {
        set(setting::iconValueMode, value, &AppSettings::iconValueModeChanged);
    }
    void setCheckForCaptivePortal(bool value) {
        set(setting::checkForCaptivePortal, value, &AppSettings::checkForCaptivePortalChanged);
    }
    void setCaptivePortalCheckInterval(double value) {
        set(setting::captivePortalCheckInterval, value, &AppSettings::captivePortalCheckIntervalChanged);
    }
    void setShowSparklines(bool value) {
        set(setting::showSparklines, value, &AppSettings::showSparklinesChanged);
    }
    void setShowTips(bool value) { set(setting::showTips, value, &AppSettings::showTipsChanged); }
    void setCompactMode(bool value) { set(setting::compactMode, value, &AppSettings::compactModeChanged); }
    void setNotificationsEnabled(bool value) {
        set(setting::notificationsEnabled, value, &AppSettings::notificationsEnabledChanged);
    }
    void setNotifyOnHighLatency(bool value) {
        set(setting::notifyOnHighLatency, value, &AppSettings::notifyOnHighLatencyChanged);
    }
    void setNotifyOnPacketLoss(bool value) {
        set(setting::notifyOnPacketLoss, value, &AppSettings::notifyOnPacketLossChanged);
    }
    void setNotifyOnWeakSignal(bool value) {
        set(setting::notifyOnWeakSignal, value, &AppSettings::notifyOnWeakSignalChanged);
    }
    void setNotifyOnIPChange(bool value) {
        set(setting::notifyOnIPChange, value, &AppSettings::notifyOnIPChangeChanged);
    }
    void setNotifyOnConnectionLost(bool value) {
        set(setting::notifyOnConnectionLost, value, &AppSettings::notifyOnConnectionLostChanged);
    }
    void setNotifyOnRoaming(bool value) {
        set(setting::notifyOnRoaming, value, &AppSettings::notifyOnRoamingChanged);
    }
    void setHasCompletedOnboarding(bool value) {
        set(setting::hasCompletedOnboarding, value, &AppSettings::hasCompletedOnboardingChanged);
    }
    void setServeMetrics(bool value) {
        set(setting::serveMetrics, value, &AppSettings::serveMetricsChanged);
    }
    void setMetricsAddress(const QString& value) {
        set(setting::metricsAddress, value, &AppSettings::metricsAddressChanged);
    }
    void setSettingsWindowFrame(const QByteArray& frame) {
        set(setting::settingsWindowFrame, frame, &AppSettings::settingsWindowFrameChanged);
    }

    // Restores the four alert thresholds; every other key keeps its value.
    void resetToDefaults();

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
    void hasCompletedOnboardingChanged(bool value);
    void settingsWindowFrameChanged(const QByteArray& frame);
    void serveMetricsChanged(bool value);
    void metricsAddressChanged(const QString& value);

private:
    // Stores the value and announces it as stored, even when it did not change.
    template <typename Row, typename Value, typename Argument>
    void set(const Row& row, const Value& value, void (AppSettings::*changed)(Argument)) {
        emit(this->*changed)(writeSetting(m_store, row, value));
    }

    PreferencesStore& m_store;
};
