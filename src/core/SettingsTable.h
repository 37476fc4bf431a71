#pragma once

#include "core/Defaults.h"
#include "core/IconValueMode.h"
#include "core/ListenAddress.h"
#include "core/MenuBarDisplayMode.h"

#include <optional>
#include <string_view>

// Every preference the program keeps: the key it is stored under (never to change, users' files hold
// it), what it reads as while nothing is stored, and for numbers the range it may take.

// What a stored number outside its range reads as.
enum class OutOfRange {
    fallBack,   // the default: a damaged value says nothing about what the user wanted
    nearestEnd, // the nearer end: a hand-edited interval keeps its direction but cannot make a loop spin
};

template <typename T> struct NumberSetting {
    const char* key;
    T fallback;
    T lowest;
    T highest;
    OutOfRange outside;

    // The value as it is read and written: inside the range, whatever was stored or asked for. What
    // is not a number at all reads as the default.
    T within(T value) const {
        if (value >= lowest && value <= highest)
            return value;
        if (outside == OutOfRange::nearestEnd && value < lowest)
            return lowest;
        if (outside == OutOfRange::nearestEnd && value > highest)
            return highest;
        return fallback;
    }
};

struct FlagSetting {
    const char* key;
    bool fallback;
};

struct TextSetting {
    const char* key;
    const char* fallback;
    // Whether a stored text can be used; one that cannot (a hand edit) reads as the default.
    bool (*usable)(std::string_view text) = nullptr;
};

// Stored as the case's raw text; a text that is no case (say, from a newer version) reads as the
// default but stays stored until the next assignment.
template <typename Enum> struct ChoiceSetting {
    const char* key;
    Enum fallback;
    std::string_view (*raw)(Enum);
    std::optional<Enum> (*fromRaw)(std::string_view);
};

struct DataSetting {
    const char* key;
};

namespace setting {

using enum OutOfRange;

// Numbers: seconds, milliseconds and percent.
inline constexpr NumberSetting<double> pingInterval{"pingInterval", defaults::pingIntervalSeconds, 1.0, 10.0,
                                                    nearestEnd};
inline constexpr NumberSetting<double> captivePortalCheckInterval{
    "captivePortalCheckInterval", defaults::captivePortalCheckIntervalSeconds, 5.0, 60.0, nearestEnd};
inline constexpr NumberSetting<int> latencyWarningThreshold{
    "latencyWarningThreshold", defaults::latencyWarningThreshold, 1, 10'000, fallBack};
inline constexpr NumberSetting<int> latencyCriticalThreshold{
    "latencyCriticalThreshold", defaults::latencyCriticalThreshold, 1, 10'000, fallBack};
inline constexpr NumberSetting<double> packetLossWarningThreshold{
    "packetLossWarningThreshold", defaults::packetLossWarningThreshold, 0.0, 100.0, fallBack};
inline constexpr NumberSetting<double> packetLossCriticalThreshold{
    "packetLossCriticalThreshold", defaults::packetLossCriticalThreshold, 0.0, 100.0, fallBack};

inline constexpr TextSetting pingTarget{"pingTarget", defaults::internetHost};
// Where the tray program serves its figures to Prometheus, as host:port.
inline constexpr TextSetting metricsAddress{"metricsAddress", defaults::metricsAddress, isListenAddress};

inline constexpr ChoiceSetting<MenuBarDisplayMode> menuBarDisplayMode{
    "menuBarDisplayMode", MenuBarDisplayMode::quality, rawValue, menuBarDisplayModeFromRawValue};
inline constexpr ChoiceSetting<IconValueMode> iconValueMode{"iconValueMode", IconValueMode::automatic,
                                                            rawValue, iconValueModeFromRawValue};

inline constexpr FlagSetting showMenuBarIcon{"showMenuBarIcon", true};
inline constexpr FlagSetting showMenuBarText{"showMenuBarText", true};
inline constexpr FlagSetting launchAtLogin{"launchAtLogin", false};
inline constexpr FlagSetting checkForCaptivePortal{"checkForCaptivePortal", true};
inline constexpr FlagSetting showSparklines{"showSparklines", true};
inline constexpr FlagSetting showTips{"showTips", true};
inline constexpr FlagSetting compactMode{"compactMode", false};
inline constexpr FlagSetting notificationsEnabled{"notificationsEnabled", true};
inline constexpr FlagSetting notifyOnHighLatency{"notifyOnHighLatency", true};
inline constexpr FlagSetting notifyOnPacketLoss{"notifyOnPacketLoss", true};
inline constexpr FlagSetting notifyOnWeakSignal{"notifyOnWeakSignal", true};
inline constexpr FlagSetting notifyOnIPChange{"notifyOnIPChange", false};
inline constexpr FlagSetting notifyOnConnectionLost{"notifyOnConnectionLost", true};
// Moving to another access point of the same network is routine, so it is announced only on request.
inline constexpr FlagSetting notifyOnRoaming{"notifyOnRoaming", false};
inline constexpr FlagSetting hasCompletedOnboarding{"hasCompletedOnboarding", false};
inline constexpr FlagSetting serveMetrics{"serveMetrics", false};

// Where the settings window was last, as the window system describes it; empty until first saved.
inline constexpr DataSetting settingsWindowFrame{"settingsWindowFrame"};

} // namespace setting

// The keys by name, for code that binds a control or a test to a stored key.
namespace SettingsKey {
inline constexpr const char* pingInterval = setting::pingInterval.key;
inline constexpr const char* pingTarget = setting::pingTarget.key;
inline constexpr const char* latencyWarningThreshold = setting::latencyWarningThreshold.key;
inline constexpr const char* latencyCriticalThreshold = setting::latencyCriticalThreshold.key;
inline constexpr const char* packetLossWarningThreshold = setting::packetLossWarningThreshold.key;
inline constexpr const char* packetLossCriticalThreshold = setting::packetLossCriticalThreshold.key;
inline constexpr const char* menuBarDisplayMode = setting::menuBarDisplayMode.key;
inline constexpr const char* showMenuBarIcon = setting::showMenuBarIcon.key;
inline constexpr const char* showMenuBarText = setting::showMenuBarText.key;
inline constexpr const char* iconValueMode = setting::iconValueMode.key;
inline constexpr const char* launchAtLogin = setting::launchAtLogin.key;
inline constexpr const char* checkForCaptivePortal = setting::checkForCaptivePortal.key;
inline constexpr const char* captivePortalCheckInterval = setting::captivePortalCheckInterval.key;
inline constexpr const char* showSparklines = setting::showSparklines.key;
inline constexpr const char* showTips = setting::showTips.key;
inline constexpr const char* compactMode = setting::compactMode.key;
inline constexpr const char* notificationsEnabled = setting::notificationsEnabled.key;
inline constexpr const char* notifyOnHighLatency = setting::notifyOnHighLatency.key;
inline constexpr const char* notifyOnPacketLoss = setting::notifyOnPacketLoss.key;
inline constexpr const char* notifyOnWeakSignal = setting::notifyOnWeakSignal.key;
inline constexpr const char* notifyOnIPChange = setting::notifyOnIPChange.key;
inline constexpr const char* notifyOnConnectionLost = setting::notifyOnConnectionLost.key;
inline constexpr const char* notifyOnRoaming = setting::notifyOnRoaming.key;
inline constexpr const char* hasCompletedOnboarding = setting::hasCompletedOnboarding.key;
inline constexpr const char* serveMetrics = setting::serveMetrics.key;
inline constexpr const char* metricsAddress = setting::metricsAddress.key;
inline constexpr const char* settingsWindowFrame = setting::settingsWindowFrame.key;
} // namespace SettingsKey
