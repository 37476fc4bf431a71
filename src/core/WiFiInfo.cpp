#include "core/WiFiInfo.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<WiFiBand, std::string_view>, 4> kBandTexts{{
    {WiFiBand::band2_4GHz, "2.4 GHz"},
    {WiFiBand::band5GHz, "5 GHz"},
    {WiFiBand::band6GHz, "6 GHz"},
    {WiFiBand::unknown, "Unknown"},
}};
} // namespace

std::string_view rawValue(WiFiBand band) {
    for (const auto& [value, text] : kBandTexts)
        if (value == band)
            return text;
    return "Unknown";
}

std::optional<WiFiBand> wifiBandFromRawValue(std::string_view text) {
    for (const auto& [value, name] : kBandTexts)
        if (name == text)
            return value;
    return std::nullopt;
}
