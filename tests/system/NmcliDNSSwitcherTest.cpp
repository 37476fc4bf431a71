#include "system/linux/NmcliDNSSwitcher.h"
#include "system/qt/ProcessCommandRunner.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// Fake pkexec and nmcli in a temporary folder. Each run appends its argument list to `calls`, one
// run a line. pkexec answers with the status in pkexec.status, else runs its program as the real one
// does; nmcli prints nmcli-<subcommand>.out and exits with nmcli-<subcommand>.status.
class NmcliDNSSwitcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QByteArray start =
            "#!/bin/sh\nDIR='" + dir.path().toUtf8() +
            "'\nprintf '%s\\037' \"$0\" \"$@\" >> \"$DIR/calls\"\necho >> \"$DIR/calls\"\n";
        write("pkexec",
              start +
                  "[ -f \"$DIR/pkexec.status\" ] && exit \"$(cat \"$DIR/pkexec.status\")\"\nexec \"$@\"\n");
        write("nmcli", start + "cat \"$DIR/nmcli-$2.out\" 2>/dev/null\n"
                               "exit \"$(cat \"$DIR/nmcli-$2.status\" 2>/dev/null || echo 0)\"\n");
        for (const char* tool : {"pkexec", "nmcli"})
            QFile::setPermissions(dir.filePath(tool), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void write(const QString& name, const QByteArray& contents) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    // Every run so far, as program followed by its arguments.
    std::vector<std::vector<std::string>> calls() const {
        QFile file(dir.filePath("calls"));
        std::vector<std::vector<std::string>> result;
        for (const auto& line :
             file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>{}) {
            std::vector<std::string> call;
            for (const auto& field : line.split('\037'))
                call.push_back(field.toStdString());
            if (call.size() > 1)
                result.emplace_back(call.begin(), call.end() - 1); // after the last separator
        }
        return result;
    }

    QTemporaryDir dir;
    ProcessCommandRunner runner;
    NmcliDNSSwitcher switcher{runner, path("pkexec"), path("nmcli")};
};

using Status = DNSSwitchOutcome::Status;

} // namespace

TEST_F(NmcliDNSSwitcherTest, SavesUnderOnePromptThenAppliesWithNamesAsSingleArguments) {
    const std::string hostile = "Home\"; rm -rf ~ #";
    EXPECT_EQ(switcher.setServers(hostile, {"1.1.1.1", "1.0.0.1"}).status, Status::changed);
    const std::vector<std::string> modify{
        "connection", "modify", "id", hostile, "ipv4.dns", "1.1.1.1 1.0.0.1", "ipv4.ignore-auto-dns", "yes"};
    std::vector<std::string> privileged{path("pkexec"), path("nmcli")};
    privileged.insert(privileged.end(), modify.begin(), modify.end());
    EXPECT_EQ(calls(),
              (std::vector<std::vector<std::string>>{privileged,
                                                     {privileged.begin() + 1, privileged.end()},
                                                     {path("nmcli"), "connection", "up", "id", hostile}}));

    // The system default drops the manual servers.
    EXPECT_EQ(switcher.setServers("Wired connection 1", {}).status, Status::changed);
    const auto reset = calls().at(3);
    EXPECT_EQ(std::vector<std::string>(reset.begin() + 6, reset.end()),
              (std::vector<std::string>{"ipv4.dns", "", "ipv4.ignore-auto-dns", "no"}));
}

TEST_F(NmcliDNSSwitcherTest, RefusedPromptIsACancelAndFailuresCarryWhatTheToolsSaid) {
    for (const char* status : {"126", "127"}) {
        write("pkexec.status", status);
        EXPECT_EQ(switcher.setServers("Home", {"9.9.9.9"}).status, Status::cancelled) << status;
    }
    EXPECT_EQ(calls().size(), 2u); // nothing ran past pkexec
    QFile::remove(dir.filePath("pkexec.status"));

    write("nmcli-modify.out", "Error: unknown connection 'Home'.\n");
    write("nmcli-modify.status", "10");
    EXPECT_EQ(switcher.setServers("Home", {"9.9.9.9"}),
              (DNSSwitchOutcome{Status::failed, "Error: unknown connection 'Home'.\n"}));
    EXPECT_EQ(calls().size(), 4u); // not brought up after a failed save

    write("nmcli-modify.status", "0");
    write("nmcli-modify.out", "");
    write("nmcli-up.out", "Error: Connection activation failed.\n");
    write("nmcli-up.status", "4");
    EXPECT_EQ(switcher.setServers("Home", {"9.9.9.9"}),
              (DNSSwitchOutcome{Status::failed, "Error: Connection activation failed.\n"}));
}

TEST_F(NmcliDNSSwitcherTest, MissingNmcliFailsWithoutAPrompt) {
    const NmcliDNSSwitcher noNmcli{runner, path("pkexec"), path("missing-nmcli")};
    const auto outcome = noNmcli.setServers("Home", {"9.9.9.9"});
    EXPECT_EQ(outcome.status, Status::failed);
    EXPECT_NE(outcome.output.find("missing-nmcli"), std::string::npos) << outcome.output;
    EXPECT_TRUE(calls().empty());
}
