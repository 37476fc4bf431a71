#include "system/linux/SysfsInterfaceKinds.h"

#include <net/if.h>
#include <net/if_arp.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// A number as sysfs prints it: decimal, or hexadecimal with "0x".
template <typename T> std::optional<T> readNumber(const std::filesystem::path& path) {
    std::string text = readText(path);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    int base = 10;
    if (text.starts_with("0x")) {
        text.erase(0, 2);
        base = 16;
    }
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string ueventDevType(const std::filesystem::path& path) {
    std::istringstream lines(readText(path));
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("DEVTYPE="))
            return line.substr(8);
    return {};
}

} // namespace

InterfaceKind classifyInterface(const InterfaceFacts& facts) {
    if (facts.type == ARPHRD_LOOPBACK || (facts.flags & IFF_LOOPBACK))
        return InterfaceKind::loopback;
    if (facts.hasWireless || facts.devType == "wlan")
        return InterfaceKind::wifi;
    if (facts.hasBridge || facts.devType == "bridge")
        return InterfaceKind::bridge;
    if (facts.devType == "wwan" || facts.type == ARPHRD_RAWIP)
        return InterfaceKind::cellular;
    if (facts.hasTunFlags || facts.devType == "wireguard" || facts.type == ARPHRD_PPP)
        return InterfaceKind::vpn;
    if (facts.type == ARPHRD_ETHER && facts.hasDevice)
        return InterfaceKind::ethernet;
    return InterfaceKind::other;
}

SysfsInterfaceKinds::SysfsInterfaceKinds(std::string root) : m_root(std::move(root)) {}

InterfaceFacts SysfsInterfaceKinds::facts(const std::string& interfaceName) const {
    InterfaceFacts facts;
    // A name with a slash would leave the folder; the kernel never gives one.
    if (interfaceName.empty() || interfaceName.find('/') != std::string::npos || interfaceName == "." ||
        interfaceName == "..")
        return facts;
    const std::filesystem::path folder = std::filesystem::path(m_root) / interfaceName;
    std::error_code error;
    facts.type = readNumber<int>(folder / "type").value_or(-1);
    facts.flags = readNumber<unsigned>(folder / "flags").value_or(0);
    facts.devType = ueventDevType(folder / "uevent");
    facts.hasWireless = std::filesystem::exists(folder / "wireless", error) ||
                        std::filesystem::exists(folder / "phy80211", error);
    facts.hasBridge = std::filesystem::exists(folder / "bridge", error);
    facts.hasTunFlags = std::filesystem::exists(folder / "tun_flags", error);
    facts.hasDevice = std::filesystem::exists(folder / "device", error);
    return facts;
}
