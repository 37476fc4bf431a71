#pragma once

#include "platform/InterfaceKind.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The byte counters of one interface since it appeared.
struct InterfaceCounters {
    std::string interfaceName;
    InterfaceKind kind = InterfaceKind::other;
    std::uint64_t bytesIn = 0;
    std::uint64_t bytesOut = 0;

    bool operator==(const InterfaceCounters&) const = default;
};

// Per-interface byte counters of every interface the system has.
class InterfaceCounterSource {
public:
    virtual ~InterfaceCounterSource() = default;
    // None when the interface list cannot be read or is empty.
    virtual std::optional<std::vector<InterfaceCounters>> counters() const = 0;
};
