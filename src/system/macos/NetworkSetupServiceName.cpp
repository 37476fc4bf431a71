#include "system/macos/NetworkSetupServiceName.h"

#include <cctype>

namespace macos {

namespace {

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        result.push_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return result;
        start = end + 1;
    }
}

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// What follows the first ')' that has at least one blank after it, trimmed of spaces and tabs.
std::optional<std::string_view> afterNumber(std::string_view line) {
    for (size_t paren = line.find(')'); paren != std::string_view::npos; paren = line.find(')', paren + 1)) {
        size_t rest = paren + 1;
        if (rest >= line.size() || !isBlank(line[rest]))
            continue;
        while (rest < line.size() && isBlank(line[rest]))
            ++rest;
        auto name = line.substr(rest);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.remove_suffix(1);
        return name;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> parseNetworkServiceName(std::string_view listing, std::string_view interfaceName) {
    const auto all = lines(listing);
    const std::string device = "Device: " + std::string(interfaceName);
    for (size_t i = 1; i < all.size(); ++i) {
        if (all[i].find(device) == std::string_view::npos)
            continue;
        if (const auto name = afterNumber(all[i - 1]))
            return std::string(*name);
    }
    return std::nullopt;
}

} // namespace macos
