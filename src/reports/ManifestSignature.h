#pragma once

#include <array>
#include <optional>
#include <string_view>

// The release key's public half: a raw Ed25519 key.
using ReleaseKey = std::array<unsigned char, 32>;

// An Ed25519 signature is 64 bytes; the update server publishes it beside the manifest as they are.
inline constexpr std::size_t manifestSignatureSize = 64;

// The key from its 64 hexadecimal digits; none when the text is anything else.
std::optional<ReleaseKey> releaseKeyFromHex(std::string_view hex);

// Whether `signature` is the release key's Ed25519 signature over exactly `manifest`'s bytes
// (OpenSSL's implementation).
bool isSignedByReleaseKey(std::string_view manifest, std::string_view signature, const ReleaseKey& key);
