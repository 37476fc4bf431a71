#include "system/linux/DpkgPackageInspector.h"
#include "support/FakeCommandRunner.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(DpkgPackageInspector, FindsTheProgramInTheListing) {
    const std::string listing = "drwxr-xr-x root/root         0 2025-03-01 10:00 ./\n"
                                "drwxr-xr-x root/root         0 2025-03-01 10:00 ./usr/bin/\n"
                                "-rwxr-xr-x root/root   1843216 2025-03-01 10:00 ./usr/bin/linkmeter\n";
    EXPECT_TRUE(DpkgPackageInspector::listsEntry(listing, "./usr/bin/linkmeter"));
    EXPECT_TRUE(DpkgPackageInspector::listsEntry(
        "lrwxrwxrwx root/root 0 2025-03-01 10:00 ./usr/bin/linkmeter -> ../lib/linkmeter/run\n",
        "./usr/bin/linkmeter"));
    // A folder of that name, a longer name, or the name further on in a line do not count.
    EXPECT_FALSE(DpkgPackageInspector::listsEntry(
        "drwxr-xr-x root/root 0 2025-03-01 10:00 ./usr/bin/linkmeter/\n"
        "-rwxr-xr-x root/root 10 2025-03-01 10:00 ./usr/bin/linkmeter2\n"
        "-rw-r--r-- root/root 10 2025-03-01 10:00 ./usr/share/doc/x ./usr/bin/linkmeter\n"
        "drwxr-xr-x root/root 0 2025-03-01 10:00 ./usr/bin/linkmeter\n",
        "./usr/bin/linkmeter"));
    EXPECT_FALSE(DpkgPackageInspector::listsEntry("", "./usr/bin/linkmeter"));
}

TEST(DpkgPackageInspector, ReportsTheToolsComplaint) {
    FakeCommandRunner runner([](const FakeCommandRunner::Call& call) {
        if (call.arguments[0] == "--info")
            return FakeCommandRunner::exited(2, "dpkg-deb: error: 'x.deb' is not a Debian format archive\n");
        return FakeCommandRunner::exited(0, "-rwxr-xr-x root/root 10 2025-03-01 10:00 ./usr/bin/linkmeter\n");
    });
    DpkgPackageInspector inspector(runner);
    EXPECT_EQ(inspector.problemWith("/tmp/x.deb"), "dpkg-deb: error: 'x.deb' is not a Debian format archive");
    EXPECT_TRUE(inspector.containsProgram("/tmp/x.deb"));
    // The tool writes its complaints to standard error.
    EXPECT_EQ(runner.calls()[0].capture, CaptureMode::StandardOutputAndError);

    runner.setHandler([](const FakeCommandRunner::Call&) { return FakeCommandRunner::exited(2, ""); });
    EXPECT_EQ(inspector.problemWith("/tmp/x.deb"), "dpkg-deb ended with status 2");
    EXPECT_FALSE(inspector.containsProgram("/tmp/x.deb"));

    runner.setHandler(
        [](const FakeCommandRunner::Call&) { return FakeCommandRunner::notLaunched("No such file"); });
    EXPECT_THROW(inspector.problemWith("/tmp/x.deb"), std::runtime_error);
    EXPECT_THROW(inspector.containsProgram("/tmp/x.deb"), std::runtime_error);
}
