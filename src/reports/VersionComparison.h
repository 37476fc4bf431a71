#pragma once

#include "reports/VersionInfo.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A whole decimal number with an optional leading + or -, nothing else; absent when the text is
// not one or does not fit.
std::optional<std::int64_t> parseDecimalInteger(std::string_view text);

// The numbers of a dot-separated version: empty pieces and pieces that are not numbers are dropped,
// so "1.2.3-beta" gives 1, 2.
std::vector<std::int64_t> versionNumbers(std::string_view version);

// Whether `candidate` is a later version than `running`, number by number, a missing number counting
// as 0 ("1.2" equals "1.2.0").
bool isNewerVersion(std::string_view candidate, std::string_view running);

// A running build number given as text; 0 when it is not a whole number.
std::int64_t buildNumberOf(std::string_view text);

// A higher build decides; otherwise a later version.
bool isNewerRelease(const VersionInfo& release, std::string_view runningVersion, std::int64_t runningBuild);
