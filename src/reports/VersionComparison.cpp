#include "reports/VersionComparison.h"

#include <algorithm>
#include <charconv>

std::optional<std::int64_t> parseDecimalInteger(std::string_view text) {
    // One sign at most; from_chars itself takes a minus but not a plus.
    const bool signed_ = !text.empty() && (text.front() == '+' || text.front() == '-');
    const std::string_view digits = signed_ ? text.substr(1) : text;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::string_view number = text.front() == '-' ? text : digits;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

std::vector<std::int64_t> versionNumbers(std::string_view version) {
    std::vector<std::int64_t> numbers;
    while (true) {
        const auto dot = version.find('.');
        const std::string_view piece = version.substr(0, dot);
        if (const auto number = parseDecimalInteger(piece))
            numbers.push_back(*number);
        if (dot == std::string_view::npos)
            break;
        version.remove_prefix(dot + 1);
    }
    return numbers;
}

bool isNewerVersion(std::string_view candidate, std::string_view running) {
    const auto a = versionNumbers(candidate);
    const auto b = versionNumbers(running);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::int64_t x = i < a.size() ? a[i] : 0;
        const std::int64_t y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x > y;
    }
    return false;
}

std::int64_t buildNumberOf(std::string_view text) {
    return parseDecimalInteger(text).value_or(0);
}

bool isNewerRelease(const VersionInfo& release, std::string_view runningVersion, std::int64_t runningBuild) {
    return release.build > runningBuild || isNewerVersion(release.version, runningVersion);
}
