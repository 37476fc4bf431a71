#include "core/WiFiInfo.h"

#include "core/EnumTable.h"

namespace {
constexpr std::array<EnumText<WiFiBand>, 4> kBandTexts{{
    {WiFiBand::band2_4GHz, "2.4 GHz"},
    {WiFiBand::band5GHz, "5 GHz"},
    {WiFiBand::band6GHz, "6 GHz"},
    {WiFiBand::unknown, "Unknown"},
}};
} // namespace

std::string_view rawValue(WiFiBand band) {
    return rawOf(kBandTexts, band, "Unknown");
}

std::optional<WiFiBand> wifiBandFromRawValue(std::string_view text) {
    return caseFromRaw(kBandTexts, text);
}
