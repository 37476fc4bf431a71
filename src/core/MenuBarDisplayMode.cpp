#include "core/MenuBarDisplayMode.h"

#include "core/EnumTable.h"
#include "core/RuleText.h"

namespace {

struct ModeTexts {
    MenuBarDisplayMode value;
    std::string_view raw;
    std::string_view title;
    std::string_view example;
    std::string_view symbol;
};

constexpr std::array<ModeTexts, 5> kModes{{
    {MenuBarDisplayMode::icon, "icon", QT_TRANSLATE_NOOP("MenuBarDisplayMode", "Icon Only"),
     QT_TRANSLATE_NOOP("MenuBarDisplayMode", "Network icon only"), "network"},
    {MenuBarDisplayMode::ping, "ping", QT_TRANSLATE_NOOP("MenuBarDisplayMode", "Ping Time"),
     QT_TRANSLATE_NOOP("MenuBarDisplayMode", "e.g., 5ms"), "clock"},
    {MenuBarDisplayMode::quality, "quality", QT_TRANSLATE_NOOP("MenuBarDisplayMode", "Quality Score"),
     QT_TRANSLATE_NOOP("MenuBarDisplayMode", "e.g., 92"), "gauge.with.needle"},
    {MenuBarDisplayMode::bandwidth, "bandwidth", QT_TRANSLATE_NOOP("MenuBarDisplayMode", "Bandwidth"),
     QT_TRANSLATE_NOOP("MenuBarDisplayMode", "e.g., ↓12 ↑3"), "arrow.up.arrow.down"},
    {MenuBarDisplayMode::pingAndQuality, "pingAndQuality",
     QT_TRANSLATE_NOOP("MenuBarDisplayMode", "Ping + Quality"),
     QT_TRANSLATE_NOOP("MenuBarDisplayMode", "e.g., 5ms • 92"), "chart.bar"},
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
