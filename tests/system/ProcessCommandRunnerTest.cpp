#include "system/qt/ProcessCommandRunner.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <sys/stat.h>

namespace {

std::string writeScript(const QTemporaryDir& dir, const std::string& name, const std::string& body) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    ::chmod(path.c_str(), 0755);
    return path;
}

} // namespace

TEST(ProcessCommandRunner, CapturesStandardOutputOnlyUnlessAskedForBoth) {
    QTemporaryDir dir;
    const auto tool = writeScript(dir, "tool", "echo out; echo err >&2; exit 3");
    ProcessCommandRunner runner;

    const auto outOnly = runner.run(tool, {});
    ASSERT_TRUE(outOnly.launched());
    EXPECT_EQ(outOnly.output, "out\n");
    EXPECT_EQ(outOnly.exitStatus, 3);

    const auto both = runner.run(tool, {}, CaptureMode::StandardOutputAndError);
    EXPECT_EQ(both.output, "out\nerr\n");
}

TEST(ProcessCommandRunner, PassesArgumentsWithoutAShell) {
    QTemporaryDir dir;
    const auto tool = writeScript(dir, "args", "for a in \"$@\"; do echo \"[$a]\"; done");
    const auto result = ProcessCommandRunner().run(tool, {"a b", "$HOME", ";", "*"});
    EXPECT_EQ(result.output, "[a b]\n[$HOME]\n[;]\n[*]\n");
}

TEST(ProcessCommandRunner, ReportsALaunchFailure) {
    const auto result = ProcessCommandRunner().run("/nonexistent/tool", {});
    EXPECT_FALSE(result.launched());
    EXPECT_FALSE(result.launchError->empty());
    EXPECT_TRUE(result.output.empty());
}

TEST(ProcessCommandRunner, OutputThatIsNotUtf8ReadsAsEmpty) {
    QTemporaryDir dir;
    const auto tool = writeScript(dir, "bytes", "printf 'ok\\377\\376'");
    const auto result = ProcessCommandRunner().run(tool, {});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_TRUE(result.output.empty());
}

TEST(ProcessCommandRunner, MegabytesOfOutputDoNotStall) {
    QTemporaryDir dir;
    const auto tool = writeScript(dir, "big", "head -c 8000000 /dev/zero | tr '\\0' 'x'");
    const auto result = ProcessCommandRunner(std::chrono::seconds(20)).run(tool, {});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output.size(), 8'000'000u);
}

TEST(ProcessCommandRunner, KillsAToolThatOutlivesTheLimit) {
    QTemporaryDir dir;
    const auto tool = writeScript(dir, "hang", "echo started; exec sleep 30");
    const auto result = ProcessCommandRunner(std::chrono::milliseconds(300)).run(tool, {});
    EXPECT_TRUE(result.launched());
    EXPECT_EQ(result.exitStatus, -1);
}
