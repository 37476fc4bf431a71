#pragma once

#include "core/WiFiReading.h"

#include <optional>

// Reads the current wireless interface. Absent means the machine has no usable wireless interface.
class WiFiInterfaceReader {
public:
    virtual ~WiFiInterfaceReader() = default;
    virtual std::optional<WiFiReading> read() = 0;
};
