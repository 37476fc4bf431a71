#pragma once

#include <array>
#include <optional>
#include <string_view>

// Whether the tray icon itself carries the number (score or ping). Panels that draw no text beside
// a tray icon (Xfce, KDE Plasma) would otherwise show the number nowhere. Stored by its raw value.
enum class IconValueMode { automatic, on, off };

inline constexpr std::array<IconValueMode, 3> allIconValueModes{IconValueMode::automatic, IconValueMode::on,
                                                                IconValueMode::off};

std::string_view rawValue(IconValueMode mode);
// Name of the choice in the settings window.
std::string_view title(IconValueMode mode);
std::optional<IconValueMode> iconValueModeFromRawValue(std::string_view raw);

// Whether the number goes into the icon on the desktop named by `currentDesktop` (the
// colon-separated XDG_CURRENT_DESKTOP): automatically on everywhere but where the panel draws the
// text beside the icon itself (GNOME, Unity, Budgie).
bool showsValueInIcon(IconValueMode mode, std::string_view currentDesktop);
