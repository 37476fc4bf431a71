#include "platform/macos/ScutilDnsServer.h"

namespace macos {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::optional<std::string> parseScutilFirstNameserver(std::string_view listing) {
    size_t start = 0;
    while (start <= listing.size()) {
        const size_t end = listing.find('\n', start);
        const auto line = trimmed(
            listing.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (line.starts_with("nameserver[0]")) {
            if (const auto colon = line.find(':'); colon != std::string_view::npos)
                return std::string(trimmed(line.substr(colon + 1)));
        }
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace macos
