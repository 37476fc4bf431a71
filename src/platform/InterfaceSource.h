#pragma once

#include "platform/InterfaceKind.h"

#include <optional>
#include <string>
#include <vector>

enum class AddressFamily { ipv4, ipv6, other };

// One address of one interface, in the order the system lists them.
struct InterfaceAddress {
    std::string interfaceName;
    bool isUp = false;
    bool isLoopback = false;
    AddressFamily family = AddressFamily::other;
    // The address as numeric text; none when the system could not convert it.
    std::optional<std::string> numericHost;

    bool operator==(const InterfaceAddress&) const = default;
};

// The machine's interface addresses and the kind of each interface.
class InterfaceSource {
public:
    virtual ~InterfaceSource() = default;
    // None when the system cannot enumerate the addresses or has none at all.
    virtual std::optional<std::vector<InterfaceAddress>> addresses() const = 0;
    virtual InterfaceKind kind(const std::string& interfaceName) const = 0;
};
