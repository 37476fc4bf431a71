#include "system/linux/ResolvConfResolverSource.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace {

class ResolvConfResolverSourceTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& contents) {
        const auto path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path) << contents;
        return path;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ResolvConfResolverSourceTest, FirstNameserverWinsAndCommentsAreSkipped) {
    const auto conf = write("resolv.conf", "# nameserver 9.9.9.9\n; nameserver 8.8.4.4\nsearch lan\n"
                                           "nameserver 192.168.1.1\nnameserver 2606:4700:4700::1111\n");
    EXPECT_EQ(ResolvConfResolverSource(conf, write("none", "")).firstNameserver(), "192.168.1.1");
    EXPECT_EQ(parseResolvConfNameservers("nameserver\t2606:4700:4700::1111\n  nameserver fe80::1%wlan0\n"),
              (std::vector<std::string>{"2606:4700:4700::1111", "fe80::1%wlan0"}));
}

TEST_F(ResolvConfResolverSourceTest, StubResolverIsSeenThrough) {
    const auto conf = write("resolv.conf", "nameserver 127.0.0.53\noptions edns0 trust-ad\n");
    const auto upstream = write("upstream.conf", "# generated\nnameserver 10.1.1.1\nnameserver 10.1.1.2\n");
    EXPECT_EQ(ResolvConfResolverSource(conf, upstream).firstNameserver(), "10.1.1.1");

    // Without an upstream list, the stub is what the system asks.
    EXPECT_EQ(ResolvConfResolverSource(conf, dir.filePath("missing").toStdString()).firstNameserver(),
              "127.0.0.53");
    EXPECT_EQ(ResolvConfResolverSource(conf, write("empty.conf", "# none\n")).firstNameserver(),
              "127.0.0.53");
}

TEST_F(ResolvConfResolverSourceTest, EveryServerInOrderWithTheStubSeenThrough) {
    const auto stub = write("resolv.conf", "nameserver 127.0.0.53\n");
    const auto upstream =
        write("upstream.conf", "nameserver 10.1.1.1\nnameserver 2001:db8::53\nnameserver 10.1.1.1\n");
    EXPECT_EQ(ResolvConfResolverSource(stub, upstream).nameservers(),
              (std::vector<std::string>{"10.1.1.1", "2001:db8::53", "10.1.1.1"}));
    const auto plain = write("plain.conf", "nameserver 192.168.1.1\nnameserver 127.0.0.53\n");
    EXPECT_EQ(ResolvConfResolverSource(plain, upstream).nameservers(),
              (std::vector<std::string>{"192.168.1.1", "127.0.0.53"}));
    EXPECT_EQ(ResolvConfResolverSource(write("none.conf", "search lan\n")).nameservers(),
              std::vector<std::string>{});

    testing::internal::CaptureStdout();
    EXPECT_EQ(ResolvConfResolverSource(dir.filePath("missing").toStdString()).nameservers(), std::nullopt);
    EXPECT_TRUE(testing::internal::GetCapturedStdout().starts_with("Failed to get DNS servers: "));
}

TEST_F(ResolvConfResolverSourceTest, NoServerGivesNoneAndOnlyAnUnreadableFileIsReported) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(ResolvConfResolverSource(write("resolv.conf", "search lan\nnameserver\n")).firstNameserver(),
              std::nullopt);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(ResolvConfResolverSource(dir.filePath("missing").toStdString()).firstNameserver(),
              std::nullopt);
    EXPECT_TRUE(testing::internal::GetCapturedStdout().starts_with("Failed to get DNS server: "));
}
