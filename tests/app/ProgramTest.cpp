// The built program, started as a user would start it from a console: no display, no window system
// chosen, no session bus, a home of its own.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <unistd.h>

namespace {

struct Outcome {
    bool exitedNormally = false;
    int status = -1;
    QByteArray out;
    QByteArray err;
    QString firstLine() const { return QString::fromUtf8(out.isEmpty() ? err : out).section('\n', 0, 0); }
};

class ProgramTest : public ::testing::Test {
protected:
    Outcome run(const QStringList& arguments, const std::function<void(QProcess&)>& prepare = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
            environment.remove(QString::fromLatin1(name));
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        process.setProcessEnvironment(environment);
        if (prepare)
            prepare(process);
        process.start(QStringLiteral(LINKMETER_PROGRAM), arguments);
        Outcome outcome;
        if (!process.waitForFinished(60'000)) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.exitedNormally = process.exitStatus() == QProcess::NormalExit;
        outcome.status = process.exitCode();
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }

    QTemporaryDir home;
};

} // namespace

TEST_F(ProgramTest, EveryCommandLineIsAnsweredWithoutADisplay) {
    struct Case {
        QStringList arguments;
        int status;
        QString firstLine;
    };
    for (const Case& c : {
             Case{{"--help"}, 0, "Usage: linkmeter [options]"},
             Case{{"--help-all"}, 0, "Usage: linkmeter [options]"},
             Case{{"-v"}, 0, "Linkmeter "},
             Case{{"--reprot"}, 2, "linkmeter: unknown option '--reprot'; did you mean '--report'?"},
             Case{{"stray"}, 2, "linkmeter: unexpected argument 'stray'"},
             Case{{"--json"}, 2, "linkmeter: --seconds and --json go with --report"},
             Case{{"--report", "--seconds", "0"}, 2, "linkmeter: --seconds takes a whole number"},
             Case{{}, 1, "Linkmeter needs a graphical session; for a text report use 'linkmeter --report'"},
         }) {
        const Outcome outcome = run(c.arguments);
        const std::string shown = c.arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.exitedNormally) << shown << "\n" << outcome.err.toStdString();
        EXPECT_EQ(outcome.status, c.status) << shown;
        EXPECT_TRUE(outcome.firstLine().startsWith(c.firstLine))
            << shown << ": " << outcome.firstLine().toStdString();
    }
    EXPECT_TRUE(run({"--help-all"}).out.contains("-platform <name[:options]>"));
}

TEST_F(ProgramTest, AReportThatCannotBeWrittenFails) {
    const Outcome outcome = run({"--report", "--seconds", "1"},
                                [](QProcess& process) { process.setStandardOutputFile("/dev/full"); });
    EXPECT_TRUE(outcome.exitedNormally);
    EXPECT_EQ(outcome.status, 3);
    EXPECT_TRUE(outcome.err.contains("linkmeter: could not write the report: No space left on device"))
        << outcome.err.toStdString();
}

// With standard output closed the next descriptor opened would take its number; what was meant for
// standard output then lands in whatever that is (GLib's wakeup descriptor, which then spins).
TEST_F(ProgramTest, AClosedStandardOutputTakesNothingElseWithIt) {
    const Outcome outcome = run({"--report", "--seconds", "1"}, [](QProcess& process) {
        process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
    });
    EXPECT_TRUE(outcome.exitedNormally);
    EXPECT_TRUE(outcome.status == 0 || outcome.status == 1) << outcome.status;
    // Standard error holds the measurements' failure lines and nothing else: text, line by line.
    const auto binary = std::find_if(outcome.err.begin(), outcome.err.end(), [](char byte) {
        return byte != '\n' && static_cast<unsigned char>(byte) < ' ';
    });
    EXPECT_EQ(binary, outcome.err.end()) << outcome.err.toHex().toStdString();
}
