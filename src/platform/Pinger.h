#pragma once

#include <optional>
#include <string>

// Sends one echo request to an IPv4 address and waits at most 2 seconds for the reply. Blocking:
// call it off the main thread. Answers the round-trip time in milliseconds, or none when the reply
// was lost or no echo could be sent.
class Pinger {
public:
    virtual ~Pinger() = default;
    virtual std::optional<double> ping(const std::string& host) const = 0;
};
