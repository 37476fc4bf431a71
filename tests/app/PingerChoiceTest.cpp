#include "app/AppContext.h"
#include "support/FakeCommandRunner.h"
#include "system/linux/IcmpSocketPinger.h"
#include "system/linux/IputilsPinger.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

TEST(PingerChoice, TheSocketWhereTheKernelAllowsItElseTheToolSaidOnce) {
    IcmpSocketPinger refused([](int, int, int) {
        errno = EACCES;
        return -1;
    });
    FakeCommandRunner runner([](auto&) { return FakeCommandRunner::exited(0, "time=0.05 ms"); });
    IputilsPinger tool(runner);
    int made = 0;
    const auto makeTool = [&]() -> Pinger& {
        ++made;
        return tool;
    };
    testing::internal::CaptureStdout();
    Pinger& chosen = choosePinger(refused, makeTool);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Pinging with the ping tool, no ICMP socket allowed: Permission denied\n");
    EXPECT_EQ(&chosen, &tool);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(chosen.ping("127.0.0.1"), 0.05);

    // Where the socket opens, the tool is never made. Any descriptor does for the check.
    IcmpSocketPinger allowed([](int, int, int) { return ::open("/dev/null", O_RDONLY | O_CLOEXEC); });
    made = 0;
    testing::internal::CaptureStdout();
    EXPECT_EQ(&choosePinger(allowed, makeTool), &allowed);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(made, 0);
}
