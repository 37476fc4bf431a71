#include "probes/DNSPreset.h"

#include "core/EnumTable.h"
#include "core/RuleText.h"

namespace {

struct PresetRow {
    DNSPreset value;
    std::string_view raw;
    std::array<std::string_view, 2> servers; // empty texts for none
    std::string_view description;
};

constexpr std::array<PresetRow, 6> kPresets{{
    {DNSPreset::system,
     QT_TRANSLATE_NOOP("DNSPreset", "System Default"),
     {},
     QT_TRANSLATE_NOOP("DNSPreset", "Use router/ISP DNS")},
    {DNSPreset::cloudflare,
     "Cloudflare",
     {"1.1.1.1", "1.0.0.1"},
     QT_TRANSLATE_NOOP("DNSPreset", "Fast, privacy-focused")},
    {DNSPreset::google,
     "Google",
     {"8.8.8.8", "8.8.4.4"},
     QT_TRANSLATE_NOOP("DNSPreset", "Reliable public DNS")},
    {DNSPreset::quad9,
     "Quad9",
     {"9.9.9.9", "149.112.112.112"},
     QT_TRANSLATE_NOOP("DNSPreset", "Security & malware blocking")},
    {DNSPreset::openDNS,
     "OpenDNS",
     {"208.67.222.222", "208.67.220.220"},
     QT_TRANSLATE_NOOP("DNSPreset", "Family-friendly options")},
    {DNSPreset::adGuard,
     "AdGuard",
     {"94.140.14.14", "94.140.15.15"},
     QT_TRANSLATE_NOOP("DNSPreset", "Ad & tracker blocking")},
}};

const PresetRow& row(DNSPreset preset) {
    return rowOf(kPresets, preset, kPresets[0]);
}

} // namespace

std::string_view rawValue(DNSPreset preset) {
    return row(preset).raw;
}

std::optional<DNSPreset> dnsPresetFromRawValue(std::string_view text) {
    return caseFromRaw(kPresets, text);
}

std::vector<std::string> servers(DNSPreset preset) {
    std::vector<std::string> result;
    for (const auto server : row(preset).servers)
        if (!server.empty())
            result.emplace_back(server);
    return result;
}

std::string_view description(DNSPreset preset) {
    return row(preset).description;
}
