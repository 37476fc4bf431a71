#include "core/IconValueMode.h"

#include "core/EnumTable.h"
#include "core/RuleText.h"

#include <algorithm>
#include <cctype>

namespace {

struct ModeTexts {
    IconValueMode value;
    std::string_view raw;
    std::string_view title;
};

constexpr std::array<ModeTexts, 3> kModes{{
    {IconValueMode::automatic, "automatic", QT_TRANSLATE_NOOP("IconValueMode", "Automatic")},
    {IconValueMode::on, "on", QT_TRANSLATE_NOOP("IconValueMode", "On")},
    {IconValueMode::off, "off", QT_TRANSLATE_NOOP("IconValueMode", "Off")},
}};

// Desktops whose panels draw a tray item's text label beside its icon.
constexpr std::array<std::string_view, 3> kLabelDrawingDesktops{"gnome", "unity", "budgie"};

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string_view rawValue(IconValueMode mode) {
    return rowOf(kModes, mode, kModes[0]).raw;
}

std::string_view title(IconValueMode mode) {
    return rowOf(kModes, mode, kModes[0]).title;
}

std::optional<IconValueMode> iconValueModeFromRawValue(std::string_view raw) {
    return caseFromRaw(kModes, raw);
}

bool showsValueInIcon(IconValueMode mode, std::string_view currentDesktop) {
    if (mode != IconValueMode::automatic)
        return mode == IconValueMode::on;
    while (!currentDesktop.empty()) {
        const std::size_t colon = currentDesktop.find(':');
        const std::string_view name = currentDesktop.substr(0, colon);
        for (const std::string_view drawing : kLabelDrawingDesktops)
            if (equalIgnoringCase(name, drawing))
                return false;
        if (colon == std::string_view::npos)
            break;
        currentDesktop.remove_prefix(colon + 1);
    }
    return true;
}
