#pragma once

#include <array>
#include <optional>
#include <string_view>

// What the menu-bar item shows beside (or instead of) its icon. Stored in the preferences by its raw
// value, so the raw values must never change.
enum class MenuBarDisplayMode { icon, ping, quality, bandwidth, pingAndQuality };

// Every mode in the order the settings window offers them.
inline constexpr std::array<MenuBarDisplayMode, 5> allMenuBarDisplayModes{
    MenuBarDisplayMode::icon, MenuBarDisplayMode::ping, MenuBarDisplayMode::quality,
    MenuBarDisplayMode::bandwidth, MenuBarDisplayMode::pingAndQuality};

std::string_view rawValue(MenuBarDisplayMode mode);
// Name of the choice in the settings window.
std::string_view title(MenuBarDisplayMode mode);
// A sample of what the menu bar shows in this mode.
std::string_view example(MenuBarDisplayMode mode);
// Symbol name drawn beside the choice.
std::string_view symbol(MenuBarDisplayMode mode);

// Accepts exactly the five raw values (case-sensitive); anything else has no mode.
std::optional<MenuBarDisplayMode> menuBarDisplayModeFromRawValue(std::string_view raw);
