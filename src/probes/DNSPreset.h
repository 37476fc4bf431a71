#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The DNS choices the user can switch the system to, in the order they are offered.
enum class DNSPreset { system, cloudflare, google, quad9, openDNS, adGuard };

inline constexpr std::array<DNSPreset, 6> allDNSPresets{DNSPreset::system,  DNSPreset::cloudflare,
                                                        DNSPreset::google,  DNSPreset::quad9,
                                                        DNSPreset::openDNS, DNSPreset::adGuard};

// The preset's identifier, which is also the name shown for it, e.g. "Cloudflare".
std::string_view rawValue(DNSPreset preset);
std::optional<DNSPreset> dnsPresetFromRawValue(std::string_view text);
// The server addresses in order; none for `system`, which uses what the network hands out.
std::vector<std::string> servers(DNSPreset preset);
// One line about the preset, e.g. "Fast, privacy-focused".
std::string_view description(DNSPreset preset);
