#include "platform/linux/ProcRouteGatewaySource.h"

#include "platform/Log.h"

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

} // namespace

ProcRouteGatewaySource::ProcRouteGatewaySource(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> ProcRouteGatewaySource::defaultGateway() const {
    std::ifstream file(m_path);
    if (!file) {
        logFailure("Failed to get gateway: ", m_path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::stringstream contents;
    contents << file.rdbuf();
    return parseProcRouteGateway(contents.str());
}

std::optional<std::string> parseProcRouteGateway(std::string_view table) {
    std::istringstream lines{std::string(table)};
    std::string line;
    std::getline(lines, line); // column headings

    std::optional<std::string> best;
    long bestMetric = 0;
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
        if (*destination != 0 || *mask != 0 ||
            (*flags & (kRouteUp | kRouteGateway)) != (kRouteUp | kRouteGateway))
            continue;
        if (best && *metric >= bestMetric)
            continue;

        // The kernel prints the address as the in-memory word, so it converts back without swapping.
        in_addr address{};
        address.s_addr = *gateway;
        char text[INET_ADDRSTRLEN] = {};
        if (!inet_ntop(AF_INET, &address, text, sizeof text))
            continue;
        best = text;
        bestMetric = *metric;
    }
    return best;
}
