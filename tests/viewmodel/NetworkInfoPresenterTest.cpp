#include "viewmodel/NetworkInfoPresenter.h"

#include <gtest/gtest.h>

TEST(NetworkInfoScreenTest, ThePublicAddressRowShowsWhileKnownOrBeingFetched) {
    const auto none = networkInfoScreen(std::nullopt, false, {}, {});
    EXPECT_FALSE(none.showsPublicIPRow);

    const auto loading = networkInfoScreen(std::nullopt, true, {}, {});
    EXPECT_TRUE(loading.showsPublicIPRow);
    EXPECT_TRUE(loading.loadingPublicIP);
    EXPECT_TRUE(loading.publicIP.isEmpty());

    // A refresh of a known address keeps showing it rather than a spinner.
    const auto refreshing = networkInfoScreen(std::string("203.0.113.9"), true, {}, {});
    EXPECT_TRUE(refreshing.showsPublicIPRow);
    EXPECT_FALSE(refreshing.loadingPublicIP);
    EXPECT_EQ(refreshing.publicIP, "203.0.113.9");
}

TEST(NetworkInfoScreenTest, InterfacesAndServersShowWhatTheyHave) {
    const auto screen =
        networkInfoScreen(std::nullopt, false,
                          {{"1", "wlan0", "Wi-Fi", "192.168.1.20", std::nullopt, true},
                           {"2", "tun0", "VPN Tunnel", std::nullopt, "2001:db8:1::5", true},
                           {"3", "vboxnet0", "vboxnet0", "10.0.0.1", std::nullopt, true}},
                          {{"a", "192.168.1.1", std::nullopt}, {"b", "9.9.9.9", std::string("Quad9")}});
    ASSERT_EQ(screen.interfaces.size(), 3u);
    EXPECT_EQ(screen.interfaces[0], (InterfaceLine{"wifi", "Wi-Fi", "192.168.1.20", "", "wlan0"}));
    EXPECT_EQ(screen.interfaces[1].symbol, "lock.shield");
    EXPECT_TRUE(screen.interfaces[1].ipv4.isEmpty());
    EXPECT_EQ(screen.interfaces[2].symbol, "network");
    EXPECT_EQ(screen.dnsServers, (std::vector<DNSServerLine>{{"", "192.168.1.1"}, {"Quad9", "9.9.9.9"}}));
}
