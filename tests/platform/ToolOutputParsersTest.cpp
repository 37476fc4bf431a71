#include "platform/PingOutput.h"
#include "platform/macos/HdiutilAttach.h"
#include "platform/macos/NetstatGateway.h"
#include "platform/macos/ScutilDnsServer.h"

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
