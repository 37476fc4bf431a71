#pragma once

#include "platform/InterfaceSource.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One network interface that is up and has a usable address.
struct NetworkInterface {
    std::string id; // new for every refresh
    std::string name;
    std::string displayName;
    std::optional<std::string> ipv4;
    std::optional<std::string> ipv6; // never link-local
    bool isActive = true;

    bool operator==(const NetworkInterface&) const = default;
};

// "Wi-Fi", "Ethernet", "VPN", "Bridge", "Cellular", "Loopback"; any other interface is shown by its name.
std::string interfaceDisplayName(InterfaceKind kind, const std::string& name);

// The interfaces that are up, are not loopback and have an address, from the system's address list:
// the last IPv4 address of an interface wins, and the first IPv6 address that is not link-local.
// Wi-Fi comes first, then Ethernet, then everything else; names ascending within each.
std::vector<NetworkInterface>
interfacesFromAddresses(const std::vector<InterfaceAddress>& addresses,
                        const std::function<InterfaceKind(const std::string&)>& kindOf);
