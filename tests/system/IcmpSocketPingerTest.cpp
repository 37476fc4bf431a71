#include "system/linux/IcmpSocketPinger.h"
#include "support/FakeCommandRunner.h"
#include "system/linux/IcmpEcho.h"
#include "system/linux/IputilsPinger.h"
#include "system/qt/ProcessCommandRunner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

bool writeSysctl(const std::string& path, const std::string& value) {
    std::ofstream file(path);
    file << value;
    file.flush();
    return file.good();
}

bool loopbackUp() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

// Runs `body` on a thread of its own in a new network namespace with only loopback, up. Namespaces
// belong to threads, so the rest of the test process keeps its own network. Answers why it could
// not, or an empty text.
std::string inPrivateNetwork(const std::function<void()>& body) {
    std::string problem;
    std::thread thread([&] {
        if (::unshare(CLONE_NEWNET) != 0) {
            problem = std::string("cannot create a network namespace: ") + std::strerror(errno);
            return;
        }
        if (!loopbackUp()) {
            problem = "cannot bring loopback up in the namespace";
            return;
        }
        body();
    });
    thread.join();
    return problem;
}

const std::array<std::uint8_t, 4> payload{1, 2, 3, 4};

} // namespace

TEST(IcmpSocketPinger, InItsOwnNetworkAnswersLoopbackAndLosesASilentAddressWithinTheLimit) {
    const auto problem = inPrivateNetwork([] {
        IcmpSocketPinger pinger;
        // A new namespace starts with the range closed, so the kernel refuses and the tool is chosen.
        ProcessCommandRunner runner;
        IputilsPinger tool(runner);
        if (writeSysctl("/proc/sys/net/ipv4/ping_group_range", "1 0")) {
            EXPECT_FALSE(pinger.usable());
        }

        ASSERT_TRUE(writeSysctl("/proc/sys/net/ipv4/ping_group_range", "0 2147483647"));
        ASSERT_TRUE(pinger.usable());

        const auto loopback = pinger.ping("127.0.0.1");
        ASSERT_TRUE(loopback.has_value());
        EXPECT_GT(*loopback, 0.0);
        EXPECT_LT(*loopback, 5.0);
        // The tool agrees: both reach loopback in this namespace.
        EXPECT_TRUE(tool.ping("127.0.0.1").has_value());
        EXPECT_TRUE(pinger.ping("::1").has_value());

        // Loopback goes silent: the echo is lost, after the 2-second limit and not much later.
        ASSERT_TRUE(writeSysctl("/proc/sys/net/ipv4/icmp_echo_ignore_all", "1"));
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(pinger.ping("127.0.0.1"), std::nullopt);
        const auto waited = std::chrono::steady_clock::now() - started;
        EXPECT_GE(waited, 1900ms);
        EXPECT_LT(waited, 2500ms);
        // No route at all: lost at once.
        EXPECT_EQ(pinger.ping("192.0.2.1"), std::nullopt);
    });
    if (!problem.empty())
        GTEST_SKIP() << problem;
}

TEST(IcmpEcho, OnlyTheReplyToOurOwnRequestCounts) {
    const std::uint16_t id = 0x1234;
    const auto* idBytes = reinterpret_cast<const std::uint8_t*>(&id);
    auto reply = IcmpEcho::request(false, 0x0102, payload);
    EXPECT_EQ(reply[0], 8);
    EXPECT_EQ(reply[6], 1);
    EXPECT_EQ(reply[7], 2);
    reply[0] = IcmpEcho::replyV4;
    reply[4] = idBytes[0];
    reply[5] = idBytes[1];
    EXPECT_TRUE(IcmpEcho::isReplyTo(reply, false, id, 0x0102, payload));

    EXPECT_FALSE(IcmpEcho::isReplyTo(reply, false, id, 0x0103, payload));     // a late earlier echo
    EXPECT_FALSE(IcmpEcho::isReplyTo(reply, false, 0x4321, 0x0102, payload)); // someone else's
    EXPECT_FALSE(IcmpEcho::isReplyTo(reply, true, id, 0x0102, payload));      // wrong family's type
    const std::array<std::uint8_t, 4> other{1, 2, 3, 5};
    EXPECT_FALSE(IcmpEcho::isReplyTo(reply, false, id, 0x0102, other));
    EXPECT_FALSE(IcmpEcho::isReplyTo(std::span(reply).first(7), false, id, 0x0102, {}));
    auto request = reply;
    request[0] = IcmpEcho::requestV4; // our own request, looped back unanswered
    EXPECT_FALSE(IcmpEcho::isReplyTo(request, false, id, 0x0102, payload));

    auto v6 = IcmpEcho::request(true, 7, payload);
    EXPECT_EQ(v6[0], 128);
    v6[0] = IcmpEcho::replyV6;
    v6[4] = idBytes[0];
    v6[5] = idBytes[1];
    EXPECT_TRUE(IcmpEcho::isReplyTo(v6, true, id, 7, payload));
}
TEST(IcmpSocketPinger, ARefusedSocketPingsNothingAndNamesAreNeverAddresses) {
    int opened = 0;
    IcmpSocketPinger refused([&](int, int, int) {
        ++opened;
        errno = EACCES;
        return -1;
    });
    int error = 0;
    EXPECT_FALSE(refused.usable(&error));
    EXPECT_EQ(error, EACCES);
    EXPECT_EQ(refused.ping("127.0.0.1"), std::nullopt);

    // Names and garbage are not addresses: no socket is even opened.
    opened = 0;
    EXPECT_EQ(refused.ping("localhost"), std::nullopt);
    EXPECT_EQ(refused.ping("127.0.0.1 -f"), std::nullopt);
    EXPECT_EQ(opened, 0);
}
