#include "probes/SpeedTestPhase.h"

#include "core/EnumTable.h"

namespace {
constexpr std::array<EnumText<SpeedTestPhase>, 2> kRawValues{{
    {SpeedTestPhase::download, "Download"},
    {SpeedTestPhase::upload, "Upload"},
}};
} // namespace

std::string_view rawValue(SpeedTestPhase phase) {
    return rawOf(kRawValues, phase, {});
}

std::optional<SpeedTestPhase> speedTestPhaseFromRawValue(std::string_view text) {
    return caseFromRaw(kRawValues, text);
}
