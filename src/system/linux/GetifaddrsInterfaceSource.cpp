#include "system/linux/GetifaddrsInterfaceSource.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <memory>

namespace {

std::optional<std::string> numericHost(const sockaddr* address, socklen_t length) {
    char host[NI_MAXHOST] = {};
    if (getnameinfo(address, length, host, sizeof host, nullptr, 0, NI_NUMERICHOST) != 0)
        return std::nullopt;
    return std::string(host);
}

} // namespace

GetifaddrsInterfaceSource::GetifaddrsInterfaceSource(SysfsInterfaceKinds kinds) : m_kinds(std::move(kinds)) {}

std::optional<std::vector<InterfaceAddress>> GetifaddrsInterfaceSource::addresses() const {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0 || !list)
        return std::nullopt;
    const std::unique_ptr<ifaddrs, decltype(&freeifaddrs)> owner(list, &freeifaddrs);

    std::vector<InterfaceAddress> result;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        InterfaceAddress address;
        address.interfaceName = entry->ifa_name ? entry->ifa_name : "";
        address.isUp = (entry->ifa_flags & IFF_UP) != 0;
        address.isLoopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
        const sockaddr* socketAddress = entry->ifa_addr;
        if (socketAddress && socketAddress->sa_family == AF_INET) {
            address.family = AddressFamily::ipv4;
            address.numericHost = numericHost(socketAddress, sizeof(sockaddr_in));
        } else if (socketAddress && socketAddress->sa_family == AF_INET6) {
            address.family = AddressFamily::ipv6;
            address.numericHost = numericHost(socketAddress, sizeof(sockaddr_in6));
        }
        result.push_back(std::move(address));
    }
    return result;
}
