#include "probes/NetworkInterface.h"

#include "core/EnumTable.h"
#include "core/Uuid.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

constexpr std::array<EnumText<InterfaceKind>, 6> kDisplayNames{{
    {InterfaceKind::wifi, "Wi-Fi"},
    {InterfaceKind::ethernet, "Ethernet"},
    {InterfaceKind::vpn, "VPN"},
    {InterfaceKind::bridge, "Bridge"},
    {InterfaceKind::cellular, "Cellular"},
    {InterfaceKind::loopback, "Loopback"},
}};

int listRank(InterfaceKind kind) {
    switch (kind) {
    case InterfaceKind::wifi:
        return 0;
    case InterfaceKind::ethernet:
        return 1;
    default:
        return 2;
    }
}

} // namespace

std::string interfaceDisplayName(InterfaceKind kind, const std::string& name) {
    return std::string(rawOf(kDisplayNames, kind, name));
}

std::vector<NetworkInterface>
interfacesFromAddresses(const std::vector<InterfaceAddress>& addresses,
                        const std::function<InterfaceKind(const std::string&)>& kindOf) {
    struct Found {
        std::optional<std::string> ipv4;
        std::optional<std::string> ipv6;
    };
    std::map<std::string, Found> byName;
    for (const auto& address : addresses) {
        if (!address.isUp || address.isLoopback || !address.numericHost)
            continue;
        if (address.family == AddressFamily::ipv4) {
            byName[address.interfaceName].ipv4 = address.numericHost;
        } else if (address.family == AddressFamily::ipv6 && !address.numericHost->starts_with("fe80:")) {
            auto& ipv6 = byName[address.interfaceName].ipv6;
            if (!ipv6)
                ipv6 = address.numericHost;
        }
    }

    std::vector<std::pair<int, NetworkInterface>> ranked;
    for (const auto& [name, found] : byName) {
        const InterfaceKind kind = kindOf(name);
        ranked.push_back({listRank(kind), NetworkInterface{makeUuid(), name, interfaceDisplayName(kind, name),
                                                           found.ipv4, found.ipv6, true}});
    }
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first, a.second.name) < std::tie(b.first, b.second.name);
    });

    std::vector<NetworkInterface> interfaces;
    interfaces.reserve(ranked.size());
    for (auto& [rank, interface] : ranked)
        interfaces.push_back(std::move(interface));
    return interfaces;
}
