#include "system/linux/ProcRouteGatewaySource.h"

#include "core/Log.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr unsigned kRouteUp = 0x1;
constexpr unsigned kRouteGateway = 0x2;

std::optional<std::uint32_t> parseHex(const std::string& text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<long> parseDecimal(const std::string& text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> readFile(const std::string& path, std::string_view failurePrefix) {
    std::ifstream file(path);
    if (!file) {
        logFailure(failurePrefix, path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// The route the kernel picks among `routes`: the lowest metric, the first among equals.
const DefaultRoute* preferred(const std::vector<DefaultRoute>& routes, bool needsGateway) {
    const DefaultRoute* best = nullptr;
    for (const auto& route : routes)
        if ((!needsGateway || route.gateway) && (!best || route.metric < best->metric))
            best = &route;
    return best;
}

} // namespace

ProcRouteGatewaySource::ProcRouteGatewaySource(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> ProcRouteGatewaySource::defaultGateway() const {
    const auto table = readFile(m_path, "Failed to get gateway: ");
    return table ? parseProcRouteGateway(*table) : std::nullopt;
}

std::optional<std::string> ProcRouteGatewaySource::defaultInterface() const {
    const auto table = readFile(m_path, "Failed to get default interface: ");
    return table ? parseProcRouteDefaultInterface(*table) : std::nullopt;
}

std::vector<DefaultRoute> parseProcRouteDefaults(std::string_view table) {
    std::istringstream lines{std::string(table)};
    std::string line;
    std::getline(lines, line); // column headings

    std::vector<DefaultRoute> routes;
    while (std::getline(lines, line)) {
        // Iface Destination Gateway Flags RefCnt Use Metric Mask ...
        std::istringstream fields(line);
        std::vector<std::string> columns;
        for (std::string field; fields >> field;)
            columns.push_back(field);
        if (columns.size() < 8)
            continue;

        const auto destination = parseHex(columns[1]);
        const auto gateway = parseHex(columns[2]);
        const auto flags = parseHex(columns[3]);
        const auto metric = parseDecimal(columns[6]);
        const auto mask = parseHex(columns[7]);
        if (!destination || !gateway || !flags || !metric || !mask)
            continue;
        if (*destination != 0 || *mask != 0 || (*flags & kRouteUp) == 0)
            continue;

        DefaultRoute route{columns[0], std::nullopt, *metric};
        if (*flags & kRouteGateway) {
            // The kernel prints the address as the in-memory word, so it converts back without swapping.
            in_addr address{};
            address.s_addr = *gateway;
            char text[INET_ADDRSTRLEN] = {};
            if (!inet_ntop(AF_INET, &address, text, sizeof text))
                continue;
            route.gateway = text;
        }
        routes.push_back(std::move(route));
    }
    return routes;
}

std::optional<std::string> parseProcRouteGateway(std::string_view table) {
    const auto routes = parseProcRouteDefaults(table);
    const auto* best = preferred(routes, true);
    return best ? best->gateway : std::nullopt;
}

std::optional<std::string> parseProcRouteDefaultInterface(std::string_view table) {
    const auto routes = parseProcRouteDefaults(table);
    const auto* best = preferred(routes, false);
    return best ? std::optional(best->interfaceName) : std::nullopt;
}
