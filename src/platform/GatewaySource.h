#pragma once

#include <optional>
#include <string>

// Where the default route comes from.
class GatewaySource {
public:
    virtual ~GatewaySource() = default;
    // The gateway's IPv4 address as text, or none when there is no default route through a gateway
    // or the table cannot be read.
    virtual std::optional<std::string> defaultGateway() const = 0;
    // The name of the interface that carries the IPv4 default route, or none when there is none or
    // the table cannot be read.
    virtual std::optional<std::string> defaultInterface() const = 0;
};
