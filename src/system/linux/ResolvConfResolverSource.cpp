#include "system/linux/ResolvConfResolverSource.h"

#include "core/Log.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr std::string_view kResolvedStub = "127.0.0.53";

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

} // namespace

ResolvConfResolverSource::ResolvConfResolverSource(std::string resolvConfPath,
                                                   std::string resolvedUpstreamPath)
    : m_resolvConfPath(std::move(resolvConfPath)), m_resolvedUpstreamPath(std::move(resolvedUpstreamPath)) {}

std::optional<std::string> ResolvConfResolverSource::firstNameserver() const {
    const auto servers = read("Failed to get DNS server: ");
    if (!servers || servers->empty())
        return std::nullopt;
    return servers->front();
}

std::optional<std::vector<std::string>> ResolvConfResolverSource::nameservers() const {
    return read("Failed to get DNS servers: ");
}

std::optional<std::vector<std::string>> ResolvConfResolverSource::read(std::string_view failurePrefix) const {
    const auto config = readFile(m_resolvConfPath);
    if (!config) {
        logFailure(failurePrefix, m_resolvConfPath + ": " + std::strerror(errno));
        return std::nullopt;
    }
    auto servers = parseResolvConfNameservers(*config);
    if (servers.empty() || servers.front() != kResolvedStub)
        return servers;

    // Without resolved's upstream list, the stub is still the truthful answer.
    if (const auto upstream = readFile(m_resolvedUpstreamPath)) {
        auto upstreamServers = parseResolvConfNameservers(*upstream);
        if (!upstreamServers.empty())
            return upstreamServers;
    }
    return servers;
}

std::vector<std::string> parseResolvConfNameservers(std::string_view text) {
    std::vector<std::string> servers;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string keyword;
        std::string address;
        // Comment lines start with '#' or ';' and so never read as the keyword.
        if (words >> keyword >> address && keyword == "nameserver")
            servers.push_back(address);
    }
    return servers;
}
