// The DNS switch against Debian's real NetworkManager, on a system bus of its own inside a network and
// mount namespace of its own, so neither the machine's network nor a running NetworkManager is
// touched. Devices stay unmanaged there (no udev), so profiles can be edited but not activated.
#include "system/linux/NmcliDNSSwitcher.h"
#include "system/qt/ProcessCommandRunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

namespace {

const char* const kDaemon = "/usr/sbin/NetworkManager";
const char* const kNmcli = NmcliDNSSwitcher::defaultNmcliPath;

class NetworkManagerDaemonTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Installing it is left to whoever runs the tests: it brings a system service along.
        if (access(kDaemon, X_OK) != 0 || access(kNmcli, X_OK) != 0)
            GTEST_SKIP() << "NetworkManager is not installed. To run this test, install Debian's "
                            "network-manager package (apt-get install network-manager, as .ci/run does) "
                            "and run the tests as root";
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root, to start NetworkManager in network and mount namespaces of its own";
        const QString d = m_dir.path();
        QDir(d).mkpath(QStringLiteral("connections"));
        QDir(d).mkpath(QStringLiteral("conf.d"));
        write(QStringLiteral("bus.conf"),
              QStringLiteral("<busconfig><type>system</type><listen>unix:path=%1/bus</listen>"
                             "<auth>EXTERNAL</auth><policy context=\"default\"><allow user=\"*\"/>"
                             "<allow own=\"*\"/><allow send_destination=\"*\"/>"
                             "<allow receive_sender=\"*\"/></policy></busconfig>")
                  .arg(d));
        write(QStringLiteral("nm.conf"),
              QStringLiteral("[main]\nplugins=keyfile\ndns=none\nauth-polkit=false\n"
                             "[keyfile]\npath=%1/connections\n[logging]\nlevel=WARN\n")
                  .arg(d));
        // Private /run and /var/lib folders for the daemon's device and secret files.
        write(QStringLiteral("start.sh"),
              QStringLiteral(
                  "set -e\nmount -t tmpfs tmpfs /run/NetworkManager 2>/dev/null || "
                  "{ mkdir -p /run/NetworkManager && mount -t tmpfs tmpfs /run/NetworkManager; }\n"
                  "mkdir -p /var/lib/NetworkManager && mount -t tmpfs tmpfs /var/lib/NetworkManager\n"
                  "dbus-daemon --config-file=\"$1/bus.conf\" --nofork &\n"
                  "for i in $(seq 50); do [ -S \"$1/bus\" ] && break; sleep 0.1; done\n"
                  "export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$1/bus\n"
                  "NetworkManager --no-daemon --config=\"$1/nm.conf\" --config-dir=\"$1/conf.d\" "
                  "--system-config-dir=\"$1/conf.d\" --intern-config=\"$1/intern.conf\" "
                  "--state-file=\"$1/state\" --pid-file=\"$1/pid\"\n"));
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        m_daemon.start(QStringLiteral("unshare"), {QStringLiteral("-n"), QStringLiteral("-m"),
                                                   QStringLiteral("sh"), d + QStringLiteral("/start.sh"), d});
        m_savedBus = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", QStringLiteral("unix:path=%1/bus").arg(d).toUtf8());
        for (int i = 0; i < 100 && !nmcli({"general", "status"}).launched(); ++i)
            QThread::msleep(100);
        for (int i = 0; i < 100 && nmcli({"general", "status"}).exitStatus != 0; ++i)
            QThread::msleep(100);
        if (nmcli({"general", "status"}).exitStatus != 0)
            GTEST_SKIP() << "NetworkManager did not come up here: " << m_daemon.readAll().toStdString();
    }

    void TearDown() override {
        if (m_daemon.state() != QProcess::NotRunning) {
            // The shell's children go with the namespace's processes when the daemon ends.
            QProcess::execute(QStringLiteral("pkill"), {QStringLiteral("-f"), m_dir.path()});
            m_daemon.waitForFinished(5000);
        }
        if (m_savedBus.isNull())
            qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
        else
            qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_savedBus);
    }

    CommandResult nmcli(const std::vector<std::string>& arguments) const {
        return m_runner.run(kNmcli, arguments, CaptureMode::StandardOutputAndError);
    }

    void write(const QString& name, const QString& text) {
        QFile file(m_dir.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QByteArray m_savedBus;
    ProcessCommandRunner m_runner;
};

} // namespace

TEST_F(NetworkManagerDaemonTest, EditsTheProfileAndReportsThatItCouldNotBeApplied) {
    // A name with a space, quotes and a non-ASCII letter reaches nmcli as one argument.
    const std::string name = "Caf\xc3\xa9 \"Guest\" LAN";
    ASSERT_EQ(
        nmcli({"connection", "add", "type", "ethernet", "ifname", "veth9", "con-name", name}).exitStatus, 0);

    // /usr/bin/env stands in for pkexec: it runs the command as the caller, who is root here.
    const NmcliDNSSwitcher switcher(m_runner, "/usr/bin/env", kNmcli);
    const auto outcome = switcher.setServers(name, {"1.1.1.1", "1.0.0.1"});
    // Saved, but no device can carry the profile, so the change is not in effect: not a success.
    EXPECT_EQ(outcome.status, DNSSwitchOutcome::Status::failed);
    EXPECT_NE(outcome.output.find("activation failed"), std::string::npos) << outcome.output;
    EXPECT_EQ(nmcli({"-g", "ipv4.dns,ipv4.ignore-auto-dns", "connection", "show", "id", name}).output,
              "1.1.1.1,1.0.0.1\nyes\n");

    // No servers puts the connection back on the servers its network hands out.
    switcher.setServers(name, {});
    EXPECT_EQ(nmcli({"-g", "ipv4.dns,ipv4.ignore-auto-dns", "connection", "show", "id", name}).output,
              "\nno\n");

    // A connection that does not exist fails before anything is changed.
    EXPECT_EQ(switcher.setServers("No Such Network", {"9.9.9.9"}).status, DNSSwitchOutcome::Status::failed);
}
