#include "system/macos/ScutilDnsServer.h"

namespace macos {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The trimmed address of every line that begins with `prefix` and holds a ':', in order.
std::vector<std::string> serverLines(std::string_view listing, std::string_view prefix) {
    std::vector<std::string> servers;
    size_t start = 0;
    while (start <= listing.size()) {
        const size_t end = listing.find('\n', start);
        const auto line = trimmed(
            listing.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (line.starts_with(prefix)) {
            if (const auto colon = line.find(':'); colon != std::string_view::npos)
                servers.emplace_back(trimmed(line.substr(colon + 1)));
        }
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return servers;
}

} // namespace

std::optional<std::string> parseScutilFirstNameserver(std::string_view listing) {
    const auto servers = serverLines(listing, "nameserver[0]");
    if (servers.empty())
        return std::nullopt;
    return servers.front();
}

std::vector<std::string> parseScutilNameservers(std::string_view listing) {
    return serverLines(listing, "nameserver[");
}

} // namespace macos
