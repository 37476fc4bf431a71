#include "core/AppSettings.h"

#include "core/Defaults.h"
#include "core/ListenAddress.h"
#include "core/Log.h"
#include "platform/LoginItemService.h"
#include "platform/PreferencesStore.h"

#include <algorithm>
#include <limits>

namespace {

QString keyOf(const char* name) {
    return QString::fromLatin1(name);
}

double readDouble(const PreferencesStore& store, const char* key, double fallback) {
    return store.readDouble(keyOf(key)).value_or(fallback);
}

int readInt(const PreferencesStore& store, const char* key, int fallback) {
    const auto value = store.readInteger(keyOf(key));
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(*value);
}

template <typename T> T withinOr(T value, const T (&range)[2], T fallback) {
    return value >= range[0] && value <= range[1] ? value : fallback;
}

double clamped(double value, const double (&range)[2]) {
    return std::clamp(value, range[0], range[1]);
}

bool readBool(const PreferencesStore& store, const char* key, bool fallback) {
    return store.readBool(keyOf(key)).value_or(fallback);
}

} // namespace

AppSettings::AppSettings(PreferencesStore& store, LoginItemService& loginItems, QObject* parent)
    : QObject(parent), m_store(store), m_loginItems(loginItems) {}

double AppSettings::pingInterval() const {
    return clamped(readDouble(m_store, SettingsKey::pingInterval, defaults::pingIntervalSeconds),
                   pingIntervalRange);
}

QString AppSettings::pingTarget() const {
    return m_store.readText(keyOf(SettingsKey::pingTarget))
        .value_or(QString::fromLatin1(defaults::internetHost));
}

int AppSettings::latencyWarningThreshold() const {
    return withinOr(readInt(m_store, SettingsKey::latencyWarningThreshold, defaults::latencyWarningThreshold),
                    latencyThresholdRange, defaults::latencyWarningThreshold);
}

int AppSettings::latencyCriticalThreshold() const {
    return withinOr(
        readInt(m_store, SettingsKey::latencyCriticalThreshold, defaults::latencyCriticalThreshold),
        latencyThresholdRange, defaults::latencyCriticalThreshold);
}

double AppSettings::packetLossWarningThreshold() const {
    return withinOr(
        readDouble(m_store, SettingsKey::packetLossWarningThreshold, defaults::packetLossWarningThreshold),
        packetLossThresholdRange, defaults::packetLossWarningThreshold);
}

double AppSettings::packetLossCriticalThreshold() const {
    return withinOr(
        readDouble(m_store, SettingsKey::packetLossCriticalThreshold, defaults::packetLossCriticalThreshold),
        packetLossThresholdRange, defaults::packetLossCriticalThreshold);
}

MenuBarDisplayMode AppSettings::menuBarDisplayMode() const {
    // An unknown text (say, from a newer version) reads as the default but stays stored.
    const auto text = m_store.readText(keyOf(SettingsKey::menuBarDisplayMode));
    if (!text)
        return MenuBarDisplayMode::quality;
    return menuBarDisplayModeFromRawValue(text->toStdString()).value_or(MenuBarDisplayMode::quality);
}

bool AppSettings::showMenuBarIcon() const {
    return readBool(m_store, SettingsKey::showMenuBarIcon, true);
}

bool AppSettings::showMenuBarText() const {
    return readBool(m_store, SettingsKey::showMenuBarText, true);
}

IconValueMode AppSettings::iconValueMode() const {
    const auto text = m_store.readText(keyOf(SettingsKey::iconValueMode));
    if (!text)
        return IconValueMode::automatic;
    return iconValueModeFromRawValue(text->toStdString()).value_or(IconValueMode::automatic);
}

bool AppSettings::launchAtLogin() const {
    return readBool(m_store, SettingsKey::launchAtLogin, false);
}

bool AppSettings::checkForCaptivePortal() const {
    return readBool(m_store, SettingsKey::checkForCaptivePortal, true);
}

double AppSettings::captivePortalCheckInterval() const {
    return clamped(readDouble(m_store, SettingsKey::captivePortalCheckInterval,
                              defaults::captivePortalCheckIntervalSeconds),
                   captivePortalCheckIntervalRange);
}

bool AppSettings::showSparklines() const {
    return readBool(m_store, SettingsKey::showSparklines, true);
}

bool AppSettings::showTips() const {
    return readBool(m_store, SettingsKey::showTips, true);
}

bool AppSettings::compactMode() const {
    return readBool(m_store, SettingsKey::compactMode, false);
}

bool AppSettings::notificationsEnabled() const {
    return readBool(m_store, SettingsKey::notificationsEnabled, true);
}

bool AppSettings::notifyOnHighLatency() const {
    return readBool(m_store, SettingsKey::notifyOnHighLatency, true);
}

bool AppSettings::notifyOnPacketLoss() const {
    return readBool(m_store, SettingsKey::notifyOnPacketLoss, true);
}

bool AppSettings::notifyOnWeakSignal() const {
    return readBool(m_store, SettingsKey::notifyOnWeakSignal, true);
}

bool AppSettings::notifyOnIPChange() const {
    return readBool(m_store, SettingsKey::notifyOnIPChange, false);
}

bool AppSettings::notifyOnConnectionLost() const {
    return readBool(m_store, SettingsKey::notifyOnConnectionLost, true);
}

bool AppSettings::notifyOnRoaming() const {
    return readBool(m_store, SettingsKey::notifyOnRoaming, false);
}

bool AppSettings::serveMetrics() const {
    return readBool(m_store, SettingsKey::serveMetrics, false);
}

QString AppSettings::metricsAddress() const {
    const auto stored = m_store.readText(keyOf(SettingsKey::metricsAddress));
    if (stored && std::holds_alternative<ListenAddress>(parseListenAddress(stored->toStdString())))
        return *stored;
    return QString::fromLatin1(defaults::metricsAddress);
}

void AppSettings::setPingInterval(double value) {
    m_store.writeDouble(keyOf(SettingsKey::pingInterval), value);
    emit pingIntervalChanged(value);
}

void AppSettings::setPingTarget(const QString& value) {
    m_store.writeText(keyOf(SettingsKey::pingTarget), value);
    emit pingTargetChanged(value);
}

void AppSettings::setLatencyWarningThreshold(int value) {
    m_store.writeInteger(keyOf(SettingsKey::latencyWarningThreshold), value);
    emit latencyWarningThresholdChanged(value);
}

void AppSettings::setLatencyCriticalThreshold(int value) {
    m_store.writeInteger(keyOf(SettingsKey::latencyCriticalThreshold), value);
    emit latencyCriticalThresholdChanged(value);
}

void AppSettings::setPacketLossWarningThreshold(double value) {
    m_store.writeDouble(keyOf(SettingsKey::packetLossWarningThreshold), value);
    emit packetLossWarningThresholdChanged(value);
}

void AppSettings::setPacketLossCriticalThreshold(double value) {
    m_store.writeDouble(keyOf(SettingsKey::packetLossCriticalThreshold), value);
    emit packetLossCriticalThresholdChanged(value);
}

void AppSettings::setMenuBarDisplayMode(MenuBarDisplayMode value) {
    const std::string_view raw = rawValue(value);
    m_store.writeText(keyOf(SettingsKey::menuBarDisplayMode),
                      QString::fromUtf8(raw.data(), qsizetype(raw.size())));
    emit menuBarDisplayModeChanged(value);
}

void AppSettings::setShowMenuBarIcon(bool value) {
    m_store.writeBool(keyOf(SettingsKey::showMenuBarIcon), value);
    emit showMenuBarIconChanged(value);
}

void AppSettings::setShowMenuBarText(bool value) {
    m_store.writeBool(keyOf(SettingsKey::showMenuBarText), value);
    emit showMenuBarTextChanged(value);
}

void AppSettings::setIconValueMode(IconValueMode value) {
    const std::string_view raw = rawValue(value);
    m_store.writeText(keyOf(SettingsKey::iconValueMode),
                      QString::fromUtf8(raw.data(), qsizetype(raw.size())));
    emit iconValueModeChanged(value);
}

void AppSettings::setCheckForCaptivePortal(bool value) {
    m_store.writeBool(keyOf(SettingsKey::checkForCaptivePortal), value);
    emit checkForCaptivePortalChanged(value);
}

void AppSettings::setCaptivePortalCheckInterval(double value) {
    m_store.writeDouble(keyOf(SettingsKey::captivePortalCheckInterval), value);
    emit captivePortalCheckIntervalChanged(value);
}

void AppSettings::setShowSparklines(bool value) {
    m_store.writeBool(keyOf(SettingsKey::showSparklines), value);
    emit showSparklinesChanged(value);
}

void AppSettings::setShowTips(bool value) {
    m_store.writeBool(keyOf(SettingsKey::showTips), value);
    emit showTipsChanged(value);
}

void AppSettings::setCompactMode(bool value) {
    m_store.writeBool(keyOf(SettingsKey::compactMode), value);
    emit compactModeChanged(value);
}

void AppSettings::setNotificationsEnabled(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notificationsEnabled), value);
    emit notificationsEnabledChanged(value);
}

void AppSettings::setNotifyOnHighLatency(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notifyOnHighLatency), value);
    emit notifyOnHighLatencyChanged(value);
}

void AppSettings::setNotifyOnPacketLoss(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notifyOnPacketLoss), value);
    emit notifyOnPacketLossChanged(value);
}

void AppSettings::setNotifyOnWeakSignal(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notifyOnWeakSignal), value);
    emit notifyOnWeakSignalChanged(value);
}

void AppSettings::setNotifyOnIPChange(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notifyOnIPChange), value);
    emit notifyOnIPChangeChanged(value);
}

void AppSettings::setNotifyOnConnectionLost(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notifyOnConnectionLost), value);
    emit notifyOnConnectionLostChanged(value);
}

void AppSettings::setNotifyOnRoaming(bool value) {
    m_store.writeBool(keyOf(SettingsKey::notifyOnRoaming), value);
    emit notifyOnRoamingChanged(value);
}

void AppSettings::setServeMetrics(bool value) {
    m_store.writeBool(keyOf(SettingsKey::serveMetrics), value);
    emit serveMetricsChanged(value);
}

void AppSettings::setMetricsAddress(const QString& value) {
    m_store.writeText(keyOf(SettingsKey::metricsAddress), value);
    emit metricsAddressChanged(value);
}

void AppSettings::resetToDefaults() {
    setLatencyWarningThreshold(defaults::latencyWarningThreshold);
    setLatencyCriticalThreshold(defaults::latencyCriticalThreshold);
    setPacketLossWarningThreshold(defaults::packetLossWarningThreshold);
    setPacketLossCriticalThreshold(defaults::packetLossCriticalThreshold);
}

bool AppSettings::hasCompletedOnboarding() const {
    return readBool(m_store, SettingsKey::hasCompletedOnboarding, false);
}

void AppSettings::setHasCompletedOnboarding(bool value) {
    m_store.writeBool(keyOf(SettingsKey::hasCompletedOnboarding), value);
}

QByteArray AppSettings::settingsWindowFrame() const {
    return m_store.readData(keyOf(SettingsKey::settingsWindowFrame)).value_or(QByteArray());
}

void AppSettings::setSettingsWindowFrame(const QByteArray& frame) {
    m_store.writeData(keyOf(SettingsKey::settingsWindowFrame), frame);
}

bool AppSettings::setLaunchAtLogin(bool wanted) {
    const std::optional<QString> error = wanted ? m_loginItems.registerItem() : m_loginItems.unregisterItem();
    if (error) {
        logFailure("Failed to set launch at login: ", error->toStdString());
        return !wanted;
    }
    m_store.writeBool(keyOf(SettingsKey::launchAtLogin), wanted);
    emit launchAtLoginChanged(wanted);
    return wanted;
}

bool AppSettings::launchAtLoginEnabled() const {
    return m_loginItems.isEnabled();
}
