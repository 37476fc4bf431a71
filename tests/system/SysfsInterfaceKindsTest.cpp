#include "system/linux/SysfsInterfaceKinds.h"
#include "system/linux/GetifaddrsInterfaceSource.h"
#include "system/linux/SysfsInterfaceCounterSource.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <net/if.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

InterfaceFacts facts(int type, std::string devType = "", bool hardware = false) {
    InterfaceFacts facts;
    facts.type = type;
    facts.devType = std::move(devType);
    facts.hasDevice = hardware;
    return facts;
}

} // namespace

TEST(SysfsInterfaceKinds, TellsLinksApartByWhatTheKernelSays) {
    auto wifi = facts(1, "", true);
    wifi.hasWireless = true;
    auto bridge = facts(1, "bridge");
    bridge.hasBridge = true;
    auto tun = facts(65534);
    tun.hasTunFlags = true;
    auto loopback = facts(772);
    loopback.flags = IFF_UP | IFF_LOOPBACK;

    EXPECT_EQ(classifyInterface(wifi), InterfaceKind::wifi);
    EXPECT_EQ(classifyInterface(facts(1, "", true)), InterfaceKind::ethernet);
    // A USB modem is Ethernet-type hardware that says it is a modem.
    EXPECT_EQ(classifyInterface(facts(1, "wwan", true)), InterfaceKind::cellular);
    EXPECT_EQ(classifyInterface(bridge), InterfaceKind::bridge);
    EXPECT_EQ(classifyInterface(tun), InterfaceKind::vpn);
    EXPECT_EQ(classifyInterface(facts(65534, "wireguard")), InterfaceKind::vpn);
    EXPECT_EQ(classifyInterface(facts(512)), InterfaceKind::vpn); // ppp
    EXPECT_EQ(classifyInterface(facts(1)), InterfaceKind::other); // veth, dummy: no hardware
    EXPECT_EQ(classifyInterface(loopback), InterfaceKind::loopback);
}

TEST(SysfsInterfaceCounterSource, ReadsSixtyFourBitCountersAndKindsFromTheFolder) {
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    const auto put = [&](const std::string& file, const std::string& text) {
        std::filesystem::create_directories((root / file).parent_path());
        std::ofstream(root / file) << text;
    };
    put("wlan0/type", "1\n");
    put("wlan0/uevent", "DEVTYPE=wlan\nINTERFACE=wlan0\n");
    put("wlan0/statistics/rx_bytes", "5000000000\n");
    put("wlan0/statistics/tx_bytes", "7\n");
    put("br0/type", "1\n");
    std::filesystem::create_directories(root / "br0/bridge");
    put("br0/statistics/rx_bytes", "1\n");
    put("br0/statistics/tx_bytes", "2\n");
    put("gone0/type", "1\n"); // vanished before its counters were read

    const SysfsInterfaceCounterSource source{SysfsInterfaceKinds(root.string())};
    auto counters = *source.counters();
    std::sort(counters.begin(), counters.end(),
              [](const auto& a, const auto& b) { return a.interfaceName < b.interfaceName; });
    EXPECT_EQ(counters, (std::vector<InterfaceCounters>{{"br0", InterfaceKind::bridge, 1, 2},
                                                        {"wlan0", InterfaceKind::wifi, 5'000'000'000, 7}}));

    // Kinds are remembered between reads, but a name that went away and came back is looked at anew.
    std::filesystem::remove_all(root / "br0");
    ASSERT_EQ(source.counters()->size(), 1u);
    put("br0/type", "65534\n");
    put("br0/tun_flags", "0x1002\n");
    put("br0/statistics/rx_bytes", "1\n");
    put("br0/statistics/tx_bytes", "2\n");
    counters = *source.counters();
    ASSERT_EQ(counters.size(), 2u);
    EXPECT_EQ(counters[0].interfaceName == "br0" ? counters[0].kind : counters[1].kind, InterfaceKind::vpn);
    EXPECT_EQ(SysfsInterfaceCounterSource{SysfsInterfaceKinds("/nonexistent/net")}.counters(), std::nullopt);
}

TEST(GetifaddrsInterfaceSource, SeesThisMachinesLoopback) {
    const GetifaddrsInterfaceSource source;
    const auto addresses = source.addresses();
    ASSERT_TRUE(addresses.has_value());
    const InterfaceAddress loopback{"lo", true, true, AddressFamily::ipv4, "127.0.0.1"};
    EXPECT_NE(std::find(addresses->begin(), addresses->end(), loopback), addresses->end());
    EXPECT_EQ(source.kind("lo"), InterfaceKind::loopback);
}
