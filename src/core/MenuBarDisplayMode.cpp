#include "core/MenuBarDisplayMode.h"

namespace {

struct ModeTexts {
    std::string_view raw;
    std::string_view title;
    std::string_view example;
    std::string_view symbol;
};

const ModeTexts& textsOf(MenuBarDisplayMode mode) {
    static constexpr ModeTexts icon{"icon", "Icon Only", "Network icon only", "network"};
    static constexpr ModeTexts ping{"ping", "Ping Time", "e.g., 5ms", "clock"};
    static constexpr ModeTexts quality{"quality", "Quality Score", "e.g., 92", "gauge.with.needle"};
    static constexpr ModeTexts bandwidth{"bandwidth", "Bandwidth", "e.g., ↓12 ↑3", "arrow.up.arrow.down"};
    static constexpr ModeTexts pingAndQuality{"pingAndQuality", "Ping + Quality", "e.g., 5ms • 92",
                                              "chart.bar"};
    switch (mode) {
    case MenuBarDisplayMode::icon:
        return icon;
    case MenuBarDisplayMode::ping:
        return ping;
    case MenuBarDisplayMode::quality:
        return quality;
    case MenuBarDisplayMode::bandwidth:
        return bandwidth;
    case MenuBarDisplayMode::pingAndQuality:
        return pingAndQuality;
    }
    return quality;
}

} // namespace

std::string_view rawValue(MenuBarDisplayMode mode) {
    return textsOf(mode).raw;
}
std::string_view title(MenuBarDisplayMode mode) {
    return textsOf(mode).title;
}
std::string_view example(MenuBarDisplayMode mode) {
    return textsOf(mode).example;
}
std::string_view symbol(MenuBarDisplayMode mode) {
    return textsOf(mode).symbol;
}

std::optional<MenuBarDisplayMode> menuBarDisplayModeFromRawValue(std::string_view raw) {
    for (const MenuBarDisplayMode mode : allMenuBarDisplayModes)
        if (rawValue(mode) == raw)
            return mode;
    return std::nullopt;
}
