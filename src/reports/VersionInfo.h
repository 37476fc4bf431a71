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
    std::string sha256; // the package's SHA-256, 64 lower-case hexadecimal digits
    std::string releaseNotes;
    std::string minOS; // kept as sent; nothing depends on it

    bool operator==(const VersionInfo&) const = default;
};

// A manifest is a few hundred bytes; anything this large is not one.
inline constexpr std::size_t maxManifestBytes = 1024 * 1024;

// Decodes the manifest's JSON object. All six keys are required with their types, the version must
// carry at least one number and the digest be a SHA-256 in hexadecimal. Throws std::runtime_error
// describing what is wrong.
VersionInfo decodeVersionInfo(std::string_view json);
