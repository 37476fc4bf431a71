#pragma once

#include <optional>
#include <string>

// The name of the network configuration (a connection profile, a network service) in use on an
// interface, as the user knows it from the system's own settings.
class ConnectionNameSource {
public:
    virtual ~ConnectionNameSource() = default;
    // None when nothing manages the interface or the system does not answer.
    virtual std::optional<std::string> connectionName(const std::string& interfaceName) const = 0;
};
