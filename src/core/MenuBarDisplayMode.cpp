#include "core/MenuBarDisplayMode.h"

#include "core/EnumTable.h"

namespace {

struct ModeTexts {
    MenuBarDisplayMode value;
    std::string_view raw;
    std::string_view title;
    std::string_view example;
    std::string_view symbol;
};

constexpr std::array<ModeTexts, 5> kModes{{
    {MenuBarDisplayMode::icon, "icon", "Icon Only", "Network icon only", "network"},
    {MenuBarDisplayMode::ping, "ping", "Ping Time", "e.g., 5ms", "clock"},
    {MenuBarDisplayMode::quality, "quality", "Quality Score", "e.g., 92", "gauge.with.needle"},
    {MenuBarDisplayMode::bandwidth, "bandwidth", "Bandwidth", "e.g., ↓12 ↑3", "arrow.up.arrow.down"},
    {MenuBarDisplayMode::pingAndQuality, "pingAndQuality", "Ping + Quality", "e.g., 5ms • 92", "chart.bar"},
}};

const ModeTexts& textsOf(MenuBarDisplayMode mode) {
    return rowOf(kModes, mode, kModes[2]); // quality, the default mode
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
    return caseFromRaw(kModes, raw);
}
