#include "system/linux/ProcRouteGatewaySource.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const std::string kHeader =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
std::string route(const std::string& iface, const std::string& destination, const std::string& gateway,
                  const std::string& flags, int metric, const std::string& mask) {
    return iface + "\t" + destination + "\t" + gateway + "\t" + flags + "\t0\t0\t" + std::to_string(metric) +
           "\t" + mask + "\t0\t0\t0\n";
}
} // namespace

TEST(ProcRouteGatewaySource, ReadsTheDefaultRouteFromTheKernelTable) {
    EXPECT_EQ(ProcRouteGatewaySource(LINKMETER_FIXTURES "/proc-net-route-wifi.txt").defaultGateway(),
              "192.168.1.1");
}

TEST(ProcRouteGatewaySource, DefaultInterfaceIsThePreferredRoutesEvenWithoutAGateway) {
    // A VPN that takes the default route straight into its tunnel has no gateway to ping.
    const auto table = kHeader + route("wlan0", "00000000", "0101A8C0", "0003", 600, "00000000") +
                       route("eth0", "00000000", "FE00000A", "0003", 100, "00000000") +
                       route("tun0", "00000000", "00000000", "0001", 50, "00000000") +
                       route("ppp0", "00000000", "00000000", "0000", 0, "00000000"); // down
    EXPECT_EQ(parseProcRouteDefaultInterface(table), "tun0");
    EXPECT_EQ(parseProcRouteGateway(table), "10.0.0.254");
    EXPECT_EQ(ProcRouteGatewaySource(LINKMETER_FIXTURES "/proc-net-route-wifi.txt").defaultInterface(),
              "wlan0");
    EXPECT_EQ(ProcRouteGatewaySource(LINKMETER_FIXTURES "/proc-net-route-no-default.txt").defaultInterface(),
              std::nullopt);

    testing::internal::CaptureStdout();
    EXPECT_EQ(ProcRouteGatewaySource("/nonexistent/route").defaultInterface(), std::nullopt);
    EXPECT_TRUE(testing::internal::GetCapturedStdout().starts_with("Failed to get default interface: "));
}

TEST(ProcRouteGatewaySource, NoDefaultRouteGivesNone) {
    EXPECT_EQ(ProcRouteGatewaySource(LINKMETER_FIXTURES "/proc-net-route-no-default.txt").defaultGateway(),
              std::nullopt);
    EXPECT_EQ(parseProcRouteGateway(""), std::nullopt);
    EXPECT_EQ(parseProcRouteGateway(kHeader), std::nullopt);
}

TEST(ProcRouteGatewaySource, UnreadableTableIsReportedAndGivesNone) {
    testing::internal::CaptureStdout();
    const auto gateway = ProcRouteGatewaySource("/nonexistent/route").defaultGateway();
    const auto printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(gateway, std::nullopt);
    EXPECT_TRUE(printed.starts_with("Failed to get gateway: ")) << printed;
}

TEST(ProcRouteGatewaySource, ThePreferredDefaultRouteWins) {
    // Wired at metric 100 beats Wi-Fi at 600 even when listed second; equal metrics keep the first.
    const auto table = kHeader + route("wlan0", "00000000", "0101A8C0", "0003", 600, "00000000") +
                       route("eth0", "00000000", "FE00000A", "0003", 100, "00000000") +
                       route("eth1", "00000000", "0100A8C0", "0003", 100, "00000000");
    EXPECT_EQ(parseProcRouteGateway(table), "10.0.0.254");
}

TEST(ProcRouteGatewaySource, RoutesThatAreNotUsableDefaultsAreIgnored) {
    const auto table = kHeader +
                       route("tun0", "00000000", "00000000", "0001", 0, "00000000") + // no gateway flag
                       route("eth0", "00000000", "0101A8C0", "0002", 0, "00000000") + // down
                       route("eth0", "0000000A", "0100000A", "0003", 0, "000000FF") + // not default
                       "garbage line\n" + route("eth0", "00000000", "ZZZZ", "0003", 0, "00000000");
    EXPECT_EQ(parseProcRouteGateway(table), std::nullopt);
}
