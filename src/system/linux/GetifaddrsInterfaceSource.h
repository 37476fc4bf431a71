#pragma once

#include "platform/InterfaceSource.h"
#include "system/linux/SysfsInterfaceKinds.h"

// Interface addresses from the C library's getifaddrs, kinds from sysfs.
class GetifaddrsInterfaceSource final : public InterfaceSource {
public:
    explicit GetifaddrsInterfaceSource(SysfsInterfaceKinds kinds = SysfsInterfaceKinds());

    std::optional<std::vector<InterfaceAddress>> addresses() const override;
    InterfaceKind kind(const std::string& interfaceName) const override {
        return m_kinds.kind(interfaceName);
    }

private:
    SysfsInterfaceKinds m_kinds;
};
