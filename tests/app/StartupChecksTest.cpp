#include "app/StartupChecks.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusError>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

startup::DisplayEnvironment environment(QString platform, QString display, QString wayland = {}) {
    startup::DisplayEnvironment e;
    e.qpaPlatform = std::move(platform);
    e.display = std::move(display);
    e.waylandDisplay = std::move(wayland);
    return e;
}

} // namespace

TEST(GraphicalSession, ThePluginQtWouldPickNeedsItsDisplay) {
    using startup::hasGraphicalSession;
    EXPECT_FALSE(hasGraphicalSession(environment("", "")));
    EXPECT_TRUE(hasGraphicalSession(environment("", ":0")));
    EXPECT_TRUE(hasGraphicalSession(environment("", "", "wayland-0")));
    EXPECT_FALSE(hasGraphicalSession(environment("xcb", "", "wayland-0")));
    EXPECT_TRUE(hasGraphicalSession(environment("xcb", ":1")));
    EXPECT_FALSE(hasGraphicalSession(environment("wayland", ":0")));
    EXPECT_TRUE(hasGraphicalSession(environment("wayland-egl", "", "wayland-1")));
    // A list is tried in order; the second may start where the first cannot.
    EXPECT_TRUE(hasGraphicalSession(environment("wayland;xcb", ":0")));
    EXPECT_FALSE(hasGraphicalSession(environment("wayland;xcb", "")));
    // Plugins that draw without a desktop are taken at their word.
    EXPECT_TRUE(hasGraphicalSession(environment("offscreen", "")));
    EXPECT_TRUE(hasGraphicalSession(environment("vnc:size=800x600", "")));

    // The command line wins over the environment, and -display stands in for DISPLAY.
    auto fromArguments = startup::currentDisplayEnvironment({"linkmeter", "-platform", "offscreen"});
    fromArguments.qpaPlatform = "xcb";
    fromArguments.display.clear();
    EXPECT_TRUE(hasGraphicalSession(fromArguments));
    auto withDisplay = startup::currentDisplayEnvironment({"linkmeter", "--display", ":3"});
    EXPECT_EQ(withDisplay.display, ":3");
    // With only the compositor's default socket, Wayland is reachable when asked for by name.
    auto socketOnly = environment("wayland", "");
    socketOnly.defaultWaylandSocket = true;
    EXPECT_TRUE(hasGraphicalSession(socketOnly));
}

TEST(SessionBus, TheGivenAddressElseTheUserBusElseNone) {
    using startup::sessionBusAddress;
    EXPECT_EQ(sessionBusAddress("unix:path=/run/user/1000/bus", "/run/user/1000", false),
              "unix:path=/run/user/1000/bus");
    EXPECT_EQ(sessionBusAddress("", "/run/user/1000", true), "unix:path=/run/user/1000/bus");
    EXPECT_EQ(sessionBusAddress("", "/run/user/1000", false), "");
    EXPECT_EQ(sessionBusAddress("", "", true), "");
}

// Without an address libdbus would start a bus of its own through dbus-launch: a spawn error here
// (nothing answers on the made-up display) would show it tried. Run in a fresh process, because
// libdbus reads the address once per process.
TEST(SessionBus, WithoutAnAddressNoBusIsLaunched) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
            qputenv("DISPLAY", ":97");
            qputenv("XDG_RUNTIME_DIR", "/nonexistent");
            const bool bus = startup::prepareSessionBus();
            const QDBusConnection connection =
                QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("probe"));
            const QString error = connection.lastError().name() + u' ' + connection.lastError().message();
            std::fprintf(stderr, "%s\n", qPrintable(error));
            const bool launched = error.contains("Spawn") || error.contains("launch");
            std::exit(!bus && !connection.isConnected() && !launched ? 0 : 1);
        },
        testing::ExitedWithCode(0), "Unknown address type");
}

TEST(StandardStreams, WritesAreCheckedToTheEnd) {
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const std::string text(3000, 'x');
    EXPECT_EQ(startup::writeAll(pipe[1], text), 0);
    ::close(pipe[1]);
    std::string read(4000, '\0');
    EXPECT_EQ(::read(pipe[0], read.data(), read.size()), ssize_t(text.size()));
    ::close(pipe[0]);

    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    EXPECT_EQ(startup::writeAll(full, "report"), ENOSPC);
    ::close(full);
}
