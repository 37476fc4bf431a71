#include "probes/NetworkInterface.h"
#include "probes/DNSServer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

InterfaceAddress address(const std::string& name, AddressFamily family, std::optional<std::string> host,
                         bool up = true, bool loopback = false) {
    return {name, up, loopback, family, std::move(host)};
}

std::vector<NetworkInterface> collect(const std::vector<InterfaceAddress>& addresses,
                                      const std::map<std::string, InterfaceKind>& kinds) {
    return interfacesFromAddresses(addresses, [&](const std::string& name) {
        const auto found = kinds.find(name);
        return found == kinds.end() ? InterfaceKind::other : found->second;
    });
}

} // namespace

TEST(NetworkInterfaces, LastIpv4AndFirstGlobalIpv6OfAnInterfaceAreListed) {
    const auto v4 = AddressFamily::ipv4;
    const auto v6 = AddressFamily::ipv6;
    const auto interfaces =
        collect({address("eth0", v4, "10.0.0.5"), address("eth0", v6, "fe80::1%eth0"),
                 address("eth0", v6, "2001:db8::1"), address("eth0", v4, "10.0.0.6"),
                 address("eth0", v6, "2001:db8::2"),
                 // Only link-local, loopback, down, or not convertible: not listed.
                 address("wlan0", v6, "fe80::2%wlan0"), address("lo", v4, "127.0.0.1", true, true),
                 address("eth1", v4, "10.1.0.1", false), address("tun0", v4, std::nullopt)},
                {{"eth0", InterfaceKind::ethernet}});
    ASSERT_EQ(interfaces.size(), 1u);
    EXPECT_EQ(interfaces[0].ipv4, "10.0.0.6");
    EXPECT_EQ(interfaces[0].ipv6, "2001:db8::1");
}

TEST(NetworkInterfaces, WiFiFirstThenEthernetThenByName) {
    const std::map<std::string, InterfaceKind> kinds{
        {"wlp2s0", InterfaceKind::wifi},    {"enp3s0", InterfaceKind::ethernet},
        {"eth10", InterfaceKind::ethernet}, {"eth2", InterfaceKind::ethernet},
        {"docker0", InterfaceKind::bridge}, {"tun0", InterfaceKind::vpn},
        {"wwan0", InterfaceKind::cellular}};
    std::vector<InterfaceAddress> addresses;
    for (const char* name : {"wwan0", "veth9", "tun0", "docker0", "eth2", "eth10", "enp3s0", "wlp2s0"})
        addresses.push_back(address(name, AddressFamily::ipv6, "fd00::9"));

    std::vector<std::pair<std::string, std::string>> listed;
    std::set<std::string> ids;
    for (const auto& interface : collect(addresses, kinds)) {
        listed.emplace_back(interface.name, interface.displayName);
        ids.insert(interface.id);
    }
    EXPECT_EQ(listed, (std::vector<std::pair<std::string, std::string>>{{"wlp2s0", "Wi-Fi"},
                                                                        {"enp3s0", "Ethernet"},
                                                                        {"eth10", "Ethernet"},
                                                                        {"eth2", "Ethernet"},
                                                                        {"docker0", "Bridge"},
                                                                        {"tun0", "VPN"},
                                                                        {"veth9", "veth9"},
                                                                        {"wwan0", "Cellular"}}));
    // Every refresh makes new identifiers.
    for (const auto& interface : collect(addresses, kinds))
        EXPECT_EQ(ids.count(interface.id), 0u);
    EXPECT_EQ(ids.size(), listed.size());
}

TEST(DNSServers, RepeatedAddressesCollapseAndKnownOnesAreNamed) {
    const auto servers = dnsServersFromAddresses(
        {"192.168.1.1", "1.1.1.1", "192.168.1.1", "2606:4700:4700::1111", "192.168.1.1"});
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[0].address, "192.168.1.1");
    EXPECT_EQ(servers[0].name, std::nullopt);
    EXPECT_EQ(servers[1].name, "Cloudflare");
    EXPECT_EQ(servers[2].address, "2606:4700:4700::1111");
    EXPECT_EQ(knownDNSServerNames().size(), 11u);
    EXPECT_EQ(knownDNSServerNames().at("127.0.0.1"), "localhost");
}
