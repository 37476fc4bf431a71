#pragma once

#include <optional>
#include <string>

// Where the default gateway comes from. Answers the gateway's IPv4 address as text, or none when
// there is no default route or the table cannot be read.
class GatewaySource {
public:
    virtual ~GatewaySource() = default;
    virtual std::optional<std::string> defaultGateway() const = 0;
};
