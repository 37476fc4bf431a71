#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A release as the update server's manifest describes it.
struct VersionInfo {
    std::string version; // marketing version, e.g. "1.4.2"
    std::int64_t build = 0;
    std::string dmgURL; // where the release's package is downloaded from
    std::string releaseNotes;
    std::string minOS; // kept as sent; nothing depends on it

    bool operator==(const VersionInfo&) const = default;
};

// A manifest is a few hundred bytes; anything this large is not one.
inline constexpr std::size_t maxManifestBytes = 1024 * 1024;

// Decodes the manifest's JSON object. All five keys are required with their types, and the version
// must carry at least one number. Throws std::runtime_error describing what is wrong.
VersionInfo decodeVersionInfo(std::string_view json);
