#include "system/PingOutput.h"
#include "system/macos/HdiutilAttach.h"
#include "system/macos/NetstatGateway.h"
#include "system/macos/NetworkSetupServiceName.h"
#include "system/macos/OsascriptDnsChange.h"
#include "system/macos/ScutilDnsServer.h"

#include <gtest/gtest.h>

TEST(PingOutput, ReadsTheFirstTimeAsPrinted) {
    EXPECT_EQ(parsePingTime("64 bytes from 10.0.0.1: icmp_seq=0 ttl=64 time=14.832 ms\n"), 14.832);
    EXPECT_EQ(parsePingTime("time=12ms"), 12.0);
    EXPECT_EQ(parsePingTime("time=7. ms"), 7.0);
    EXPECT_EQ(parsePingTime("time=1.5 ms\ntime=9.5 ms\n"), 1.5);
    EXPECT_EQ(parsePingTime("time=3\n  ms"), 3.0);
    // A "time=" that does not fit the pattern is passed over for the next one.
    EXPECT_EQ(parsePingTime("time=1.5.ms time= 4 ms time=2 ms"), 2.0);
    // iputils' summary line has no "time=...ms" form, and a lost reply prints none.
    EXPECT_EQ(parsePingTime("1 packets transmitted, 0 received, 100% packet loss, time 0ms\n"), std::nullopt);
    EXPECT_EQ(parsePingTime("time=<1 ms"), std::nullopt);
    EXPECT_EQ(parsePingTime(""), std::nullopt);
}

TEST(NetstatGateway, SecondFieldOfTheFirstDefaultLine) {
    const auto listing = "Routing tables\n\nInternet:\n"
                         "Destination        Gateway            Flags           Netif Expire\n"
                         "default            192.168.1.1        UGScg             en0\n"
                         "default            10.0.0.1           UGScIg          utun3\n"
                         "127                127.0.0.1          UCS               lo0\n";
    EXPECT_EQ(macos::parseNetstatDefaultGateway(listing), "192.168.1.1");
    EXPECT_EQ(macos::netstatPath, "/usr/sbin/netstat");
    EXPECT_EQ(macos::netstatRouteArguments, std::vector<std::string>{"-rn"});
}

TEST(NetstatGateway, LinesThatDoNotQualifyAreSkipped) {
    EXPECT_EQ(macos::parseNetstatDefaultGateway("Destination Gateway\n127 127.0.0.1 UCS lo0\n"),
              std::nullopt);
    // Indented, or with nothing after the word: skipped, and a later line can still qualify.
    EXPECT_EQ(
        macos::parseNetstatDefaultGateway(" default 10.9.9.9 UG en1\ndefault   \ndefault 10.0.0.1 UG en0"),
        "10.0.0.1");
    EXPECT_EQ(macos::parseNetstatDefaultGateway(""), std::nullopt);
}

TEST(ScutilDnsServer, FirstServerLineWinsWithIpv6Kept) {
    const auto listing = "DNS configuration\n\nresolver #1\n  search domain[0] : lan\n"
                         "  nameserver[0] : 192.168.1.1\n  nameserver[1] : 8.8.8.8\n"
                         "resolver #2\n  nameserver[0] : 10.0.0.1\n";
    EXPECT_EQ(macos::parseScutilFirstNameserver(listing), "192.168.1.1");
    EXPECT_EQ(macos::parseScutilFirstNameserver("resolver #1\n\tnameserver[0] :\t2606:4700:4700::1111 \n"),
              "2606:4700:4700::1111");
    EXPECT_EQ(macos::scutilDnsArguments, std::vector<std::string>{"--dns"});
}

TEST(ScutilDnsServer, ListingWithoutAFirstServerGivesNone) {
    EXPECT_EQ(macos::parseScutilFirstNameserver("resolver #1\n  nameserver[1] : 8.8.8.8\n  nameserver[0]\n"),
              std::nullopt);
    EXPECT_EQ(macos::parseScutilFirstNameserver(""), std::nullopt);
}

TEST(HdiutilAttach, MountPointIsTheRestOfTheLastLine) {
    EXPECT_EQ(macos::parseHdiutilMountPoint("/dev/disk4\tGUID_partition_scheme\t\n"
                                            "/dev/disk4s2\tApple_HFS\t/Volumes/Linkmeter 2\t\n\n")
                  .path,
              "/Volumes/Linkmeter 2");
    EXPECT_EQ(macos::parseHdiutilMountPoint("\n\n").failure, "Could not parse mount output");
    EXPECT_EQ(macos::parseHdiutilMountPoint("/dev/disk4s2\tApple_HFS\t/Volumes/X\n/dev/disk5\n").failure,
              "Could not find mount point");
    EXPECT_EQ(macos::hdiutilAttachArguments("/tmp/a.dmg"),
              (std::vector<std::string>{"attach", "/tmp/a.dmg", "-nobrowse", "-readonly"}));
}

TEST(ScutilDnsServer, EveryServerLineInOrder) {
    const auto listing =
        "DNS configuration\n\nresolver #1\n  nameserver[0] : 192.168.1.1\n"
        "  nameserver[1] : 2606:4700:4700::1111\nresolver #2\n  nameserver[0] : 192.168.1.1\n"
        "  nameserver[2]\n  search domain[0] : lan\n";
    EXPECT_EQ(macos::parseScutilNameservers(listing),
              (std::vector<std::string>{"192.168.1.1", "2606:4700:4700::1111", "192.168.1.1"}));
}

TEST(NetstatGateway, DefaultInterfaceIsTheLastFieldOfTheFirstDefaultLine) {
    const auto listing = "Internet:\nDestination        Gateway            Flags           Netif Expire\n"
                         "default            192.168.1.1        UGScg             en0       \n"
                         "default            10.0.0.1           UGScIg          utun3\n";
    EXPECT_EQ(macos::parseNetstatDefaultInterface(listing), "en0");
    EXPECT_EQ(macos::parseNetstatDefaultInterface("Internet:\n  default 10.0.0.1 UG en1\n"), std::nullopt);
}

TEST(NetworkSetupServiceName, ServiceLineBeforeTheDeviceLine) {
    const auto listing = "An asterisk (*) denotes that a network service is disabled. Device: en0\n"
                         "(1) Wi-Fi\n(Hardware Port: Wi-Fi, Device: en0)\n\n"
                         "(2)Broken\n(Hardware Port: Thunderbolt, Device: bridge0)\n"
                         "(3)   Thunderbolt Bridge  \n(Hardware Port: Thunderbolt Bridge, Device: bridge0)\n";
    EXPECT_EQ(macos::parseNetworkServiceName(listing, "en0"), "Wi-Fi");
    EXPECT_EQ(macos::parseNetworkServiceName(listing, "bridge0"), "Thunderbolt Bridge");
    EXPECT_EQ(macos::parseNetworkServiceName(listing, "en7"), std::nullopt);
    EXPECT_EQ(macos::listServiceOrderArguments, std::vector<std::string>{"-listnetworkserviceorder"});
}

TEST(OsascriptDnsChange, CommandIsQuotedAndEscapedForTheScript) {
    EXPECT_EQ(macos::dnsChangeScript("Wi-Fi", {"1.1.1.1", "1.0.0.1"}, "Cloudflare"),
              "do shell script \"/usr/sbin/networksetup -setdnsservers \\\"Wi-Fi\\\" 1.1.1.1 1.0.0.1\" "
              "with administrator privileges with prompt \"Linkmeter wants to change DNS to Cloudflare\"");
    EXPECT_EQ(
        macos::dnsChangeScript("Thunderbolt Bridge", {}, "System Default"),
        "do shell script \"/usr/sbin/networksetup -setdnsservers \\\"Thunderbolt Bridge\\\" Empty\" "
        "with administrator privileges with prompt \"Linkmeter wants to change DNS to System Default\"");
    EXPECT_EQ(macos::escapeForAppleScript(R"(My "Net" \ 2)"), R"(My \"Net\" \\ 2)");
    EXPECT_TRUE(macos::isCancelledOutput("execution error: User cancelled. (-128)\n"));
    EXPECT_TRUE(macos::isCancelledOutput("The operation was canceled."));
    EXPECT_FALSE(macos::isCancelledOutput("networksetup: permission denied\n"));
}
