#pragma once

#include "platform/InterfaceCounterSource.h"
#include "platform/linux/SysfsInterfaceKinds.h"

// The kernel's 64-bit byte counters of every interface, from sysfs (`statistics/rx_bytes` and
// `statistics/tx_bytes`), so they do not wrap at 4 GiB as the 32-bit ones of getifaddrs do.
class SysfsInterfaceCounterSource final : public InterfaceCounterSource {
public:
    explicit SysfsInterfaceCounterSource(SysfsInterfaceKinds kinds = SysfsInterfaceKinds());

    std::optional<std::vector<InterfaceCounters>> counters() const override;

private:
    SysfsInterfaceKinds m_kinds;
};
