#pragma once

#include "core/MenuBarDisplayMode.h"
#include "probes/BandwidthSpeed.h"

#include <cstdint>
#include <optional>
#include <string>

// What the menu-bar label reads beside its icon, from the state as it stands; nothing when the text
// is switched off or the mode has nothing to say.
struct MenuBarTextInput {
    bool showText = true;
    MenuBarDisplayMode mode = MenuBarDisplayMode::pingAndQuality;
    std::optional<double> internetLatency;
    int score = 0;
    BandwidthSpeed speed;
};

std::optional<std::string> menuBarText(const MenuBarTextInput& input);

// The number a tray icon can hold in place of its symbol, at most three or four characters: the
// score, the ping in whole milliseconds in ping mode, the download rate in bandwidth mode. Nothing
// where the text says nothing or the mode shows the symbol alone.
std::optional<std::string> iconValueText(const MenuBarTextInput& input);

// A whole count in three characters where it can be: "87", "999", "1k", "25k", "3M".
std::string compactCount(std::int64_t count);

// A rate in a few characters: "12M", "57K", or "0" below a thousand bytes per second.
std::string compactRate(double bytesPerSecond);
