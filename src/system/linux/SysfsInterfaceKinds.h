#pragma once

#include "platform/InterfaceKind.h"

#include <string>

// What sysfs tells about one network interface (/sys/class/net/<name>/...).
struct InterfaceFacts {
    int type = -1;            // `type`: the ARPHRD_* link type, -1 when unreadable
    unsigned flags = 0;       // `flags`: IFF_* bits
    std::string devType;      // DEVTYPE= of `uevent`, empty when absent
    bool hasWireless = false; // `wireless/` or `phy80211`
    bool hasBridge = false;   // `bridge/`: the interface is a bridge
    bool hasTunFlags = false; // `tun_flags`: a tun or tap device
    bool hasDevice = false;   // `device`: backed by hardware (PCI, USB, virtio, ...)

    bool operator==(const InterfaceFacts&) const = default;
};

// Wireless before everything else (a Wi-Fi adapter is also an Ethernet-type device with hardware),
// then bridges, modems, tunnels; Ethernet only for hardware, so veth pairs, dummies and the like are
// "other".
InterfaceKind classifyInterface(const InterfaceFacts& facts);

// Reads interface kinds from the sysfs network class folder.
class SysfsInterfaceKinds final {
public:
    explicit SysfsInterfaceKinds(std::string root = "/sys/class/net");

    InterfaceFacts facts(const std::string& interfaceName) const;
    InterfaceKind kind(const std::string& interfaceName) const {
        return classifyInterface(facts(interfaceName));
    }
    const std::string& root() const { return m_root; }

private:
    std::string m_root;
};
