#include "reports/VersionInfo.h"
#include "reports/VersionComparison.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <stdexcept>

namespace {

nlohmann::json manifest() {
    return {{"version", "1.4.2"},
            {"build", 42},
            {"dmgURL", "https://updates.example.test/Linkmeter-1.4.2.deb"},
            {"sha256", "9F86D081884C7D659A2FEAA0C55AD015A3BF4F1B2B0B822CD15D6C15B0F00A08"},
            {"releaseNotes", "Faster scans"},
            {"minOS", "12"}};
}

std::string decodingError(const nlohmann::json& json) {
    try {
        decodeVersionInfo(json.dump());
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "decoded";
}

} // namespace

TEST(VersionInfo, DecodesTheSixKeys) {
    const VersionInfo info = decodeVersionInfo(manifest().dump());
    EXPECT_EQ(info, (VersionInfo{"1.4.2", 42, "https://updates.example.test/Linkmeter-1.4.2.deb",
                                 "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08",
                                 "Faster scans", "12"}));
}

TEST(VersionInfo, EveryKeyIsRequiredWithItsType) {
    for (const char* key : {"version", "build", "dmgURL", "sha256", "releaseNotes", "minOS"}) {
        auto missing = manifest();
        missing.erase(key);
        EXPECT_EQ(decodingError(missing), std::string("The update manifest has no \"") + key + "\".");
    }
    auto textBuild = manifest();
    textBuild["build"] = "42";
    EXPECT_EQ(decodingError(textBuild), "The update manifest's \"build\" is not an integer.");
    auto fractionalBuild = manifest();
    fractionalBuild["build"] = 4.5;
    EXPECT_NE(decodingError(fractionalBuild), "decoded");
    for (const char* digest :
         {"", "9f86d0", "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a0g",
          "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a0800"}) {
        auto wrongDigest = manifest();
        wrongDigest["sha256"] = digest;
        EXPECT_EQ(decodingError(wrongDigest), "The update manifest's \"sha256\" is not a SHA-256 digest.")
            << digest;
    }
    auto numericVersion = manifest();
    numericVersion["version"] = 2;
    EXPECT_EQ(decodingError(numericVersion), "The update manifest's \"version\" is not text.");
}

TEST(VersionInfo, RefusesWhatCannotBeAManifest) {
    auto wordy = manifest();
    wordy["releaseNotes"] = std::string(maxManifestBytes, 'x');
    EXPECT_EQ(decodingError(wordy), "The update manifest is larger than 1 MB.");

    auto noNumber = manifest();
    noNumber["version"] = "beta.rc";
    EXPECT_EQ(decodingError(noNumber), "The update manifest's \"version\" has no number.");

    EXPECT_EQ(decodingError(nlohmann::json::array({manifest()})),
              "The update manifest is not a JSON object.");
    EXPECT_THROW(decodeVersionInfo("<html>Not Found</html>"), std::runtime_error);
    EXPECT_THROW(decodeVersionInfo(""), std::runtime_error);
}

TEST(VersionComparison, ComparesNumberByNumber) {
    EXPECT_TRUE(isNewerVersion("1.10", "1.9"));
    EXPECT_FALSE(isNewerVersion("1.2.0", "1.2"));
    EXPECT_TRUE(isNewerVersion("1.2.0.1", "1.2"));
    // Pieces that are not numbers drop out: 2.0-beta is 2, and 1..3 is 1.3.
    EXPECT_EQ(versionNumbers("2.0-beta"), (std::vector<std::int64_t>{2}));
    EXPECT_EQ(versionNumbers("1..3."), (std::vector<std::int64_t>{1, 3}));
    EXPECT_EQ(versionNumbers("+1.-2.x"), (std::vector<std::int64_t>{1, -2}));

    EXPECT_EQ(parseDecimalInteger("+7"), 7);
    EXPECT_EQ(parseDecimalInteger("-7"), -7);
    for (const char* notANumber :
         {"", "+", "-", "--7", "+-7", " 7", "7 ", "1.2", "0x10", "99999999999999999999"})
        EXPECT_EQ(parseDecimalInteger(notANumber), std::nullopt) << notANumber;
    EXPECT_EQ(buildNumberOf("1.2"), 0);
    EXPECT_EQ(buildNumberOf(""), 0);
}
