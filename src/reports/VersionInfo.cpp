#include "reports/VersionInfo.h"

#include "reports/VersionComparison.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <limits>
#include <stdexcept>

using json = nlohmann::json;

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what);
}

const json& member(const json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end())
        fail(std::string("The update manifest has no \"") + key + "\".");
    return *it;
}

std::string textMember(const json& object, const char* key) {
    const json& value = member(object, key);
    if (!value.is_string())
        fail(std::string("The update manifest's \"") + key + "\" is not text.");
    return value.get<std::string>();
}

std::int64_t integerMember(const json& object, const char* key) {
    const json& value = member(object, key);
    const bool fits = value.is_number_integer() &&
                      (!value.is_number_unsigned() ||
                       value.get<std::uint64_t>() <= std::uint64_t(std::numeric_limits<std::int64_t>::max()));
    if (!fits)
        fail(std::string("The update manifest's \"") + key + "\" is not an integer.");
    return value.get<std::int64_t>();
}

} // namespace

VersionInfo decodeVersionInfo(std::string_view text) {
    if (text.size() > maxManifestBytes)
        fail("The update manifest is larger than 1 MB.");
    const json root = json::parse(text, nullptr, false);
    if (root.is_discarded())
        fail("The update manifest is not valid JSON.");
    if (!root.is_object())
        fail("The update manifest is not a JSON object.");

    VersionInfo info;
    info.version = textMember(root, "version");
    info.build = integerMember(root, "build");
    info.dmgURL = textMember(root, "dmgURL");
    info.sha256 = textMember(root, "sha256");
    info.releaseNotes = textMember(root, "releaseNotes");
    info.minOS = textMember(root, "minOS");
    // A version without any number would compare equal to everything, and the download would be named
    // after whatever it holds.
    if (versionNumbers(info.version).empty())
        fail("The update manifest's \"version\" has no number.");
    const bool hex =
        info.sha256.size() == 64 && std::all_of(info.sha256.begin(), info.sha256.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        });
    if (!hex)
        fail("The update manifest's \"sha256\" is not a SHA-256 digest.");
    std::transform(info.sha256.begin(), info.sha256.end(), info.sha256.begin(),
                   [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    return info;
}
