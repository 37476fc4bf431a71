#pragma once

#include "core/MenuBarDisplayMode.h"
#include "probes/BandwidthSpeed.h"

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

// A rate in a few characters: "12M", "57K", or "0" below a thousand bytes per second.
std::string compactRate(double bytesPerSecond);
