#pragma once

#include "platform/InterfaceCounterSource.h"
#include "system/linux/SysfsInterfaceKinds.h"

#include <map>
#include <string>

// The kernel's 64-bit byte counters of every interface, from sysfs (`statistics/rx_bytes` and
// `statistics/tx_bytes`), so they do not wrap at 4 GiB as the 32-bit ones of getifaddrs do.
class SysfsInterfaceCounterSource final : public InterfaceCounterSource {
public:
    explicit SysfsInterfaceCounterSource(SysfsInterfaceKinds kinds = SysfsInterfaceKinds());

    std::optional<std::vector<InterfaceCounters>> counters() const override;

private:
    SysfsInterfaceKinds m_kinds;
    // An interface's kind does not change while it exists, and classifying it reads several sysfs
    // files each second; kinds are kept for the interfaces still listed. Counters are read from one
    // thread at a time.
    mutable std::map<std::string, InterfaceKind> m_kindCache;
};
