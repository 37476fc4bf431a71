#include "core/ListenAddress.h"

#include <gtest/gtest.h>

namespace {
std::string refusal(std::string_view text, ListenAddressRules rules = {}) {
    const auto parsed = parseListenAddress(text, rules);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "(accepted)";
}

ListenAddress accepted(std::string_view text, ListenAddressRules rules = {}) {
    const auto parsed = parseListenAddress(text, rules);
    EXPECT_TRUE(std::holds_alternative<ListenAddress>(parsed)) << text << ": " << refusal(text, rules);
    return std::holds_alternative<ListenAddress>(parsed) ? std::get<ListenAddress>(parsed) : ListenAddress{};
}
} // namespace

TEST(ListenAddress, HostsAndPortsThatParse) {
    EXPECT_EQ(accepted("127.0.0.1:9469"), (ListenAddress{"127.0.0.1", 9469}));
    EXPECT_EQ(accepted("  0.0.0.0:1 "), (ListenAddress{"0.0.0.0", 1}));
    EXPECT_EQ(accepted("localhost:65535"), (ListenAddress{"localhost", 65535}));
    EXPECT_EQ(accepted("[::1]:9469"), (ListenAddress{"::1", 9469}));
    EXPECT_EQ(accepted("[::]:9469").text(), "[::]:9469");
    EXPECT_EQ(accepted("192.168.1.20:9469").text(), "192.168.1.20:9469");
}

TEST(ListenAddress, RefusalsSayWhatToEnter) {
    const std::string form = "Enter the address as host:port, for example 127.0.0.1:9469.";
    const std::string port = "Enter a port from 1 to 65535 after the colon.";
    const std::string host = "Enter an IP address before the colon, such as 127.0.0.1, 0.0.0.0 or [::1].";
    for (const char* text : {"", "   ", "9469", "[::1]", "[::1]9469", "[::1"})
        EXPECT_EQ(refusal(text), form) << text;
    for (const char* text : {"127.0.0.1:", "127.0.0.1:0", "127.0.0.1:65536", "127.0.0.1:-1", "127.0.0.1:+80",
                             "127.0.0.1:80x", "127.0.0.1:http", "127.0.0.1:99999999999"})
        EXPECT_EQ(refusal(text), port) << text;
    for (const char* text : {":9469", "example.com:80", "256.0.0.1:80", "127.1:80", "::1:9469",
                             "[10.0.0.1]:80", "[fe80::1%lo]:80", "1.2.3.4 :80"})
        EXPECT_EQ(refusal(text), host) << text;
}

TEST(ListenAddress, CommandLineFormsABarePortAndAnyFreePort) {
    const ListenAddressRules commandLine{true, true};
    EXPECT_EQ(accepted("9469", commandLine), (ListenAddress{"127.0.0.1", 9469}));
    EXPECT_EQ(accepted("127.0.0.1:0", commandLine).port, 0);
    EXPECT_EQ(refusal("65536", commandLine),
              "Enter a port from 0 to 65535 after the colon (0 picks a free one).");
}

TEST(ListenAddress, LoopbackIsThisMachineOnly) {
    EXPECT_TRUE((ListenAddress{"127.0.0.1", 1}).isLoopback());
    EXPECT_TRUE((ListenAddress{"127.8.9.10", 1}).isLoopback());
    EXPECT_TRUE((ListenAddress{"localhost", 1}).isLoopback());
    EXPECT_TRUE((ListenAddress{"::1", 1}).isLoopback());
    EXPECT_FALSE((ListenAddress{"0.0.0.0", 1}).isLoopback());
    EXPECT_FALSE((ListenAddress{"::", 1}).isLoopback());
    EXPECT_FALSE((ListenAddress{"128.0.0.1", 1}).isLoopback());
}

TEST(ListenAddress, NoteSaysWhoCanReadAndTheUrlWhere) {
    EXPECT_EQ(metricsAddressNote({"127.0.0.1", 9469}),
              "Prometheus on this computer can scrape the figures at:");
    EXPECT_EQ(metricsAddressNote({"::", 9100}),
              "Other computers on the network can read the figures, too, at:");
    EXPECT_EQ(metricsURL({"::", 9100}), "http://[::]:9100/metrics");
}
