#include "app/StartupChecks.h"

#include "core/Log.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace startup {

void ensureStandardDescriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lower ones are open by now, so the lowest free number is this one.
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return 0;
}

DisplayEnvironment currentDisplayEnvironment(const QStringList& arguments) {
    DisplayEnvironment environment;
    environment.qpaPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    environment.display = qEnvironmentVariable("DISPLAY");
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    environment.defaultWaylandSocket =
        !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/wayland-0"));
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform"))
            environment.platformArgument = arguments[i + 1];
        else if (argument == QLatin1String("-display") || argument == QLatin1String("--display"))
            environment.display = arguments[i + 1];
    }
    return environment;
}

bool hasGraphicalSession(const DisplayEnvironment& environment) {
    const bool x11 = !environment.display.isEmpty();
    const bool wayland = !environment.waylandDisplay.isEmpty() || environment.defaultWaylandSocket;
    const QString chosen =
        environment.platformArgument.isEmpty() ? environment.qpaPlatform : environment.platformArgument;
    if (chosen.trimmed().isEmpty())
        return x11 || !environment.waylandDisplay.isEmpty();
    // Qt tries a list such as "wayland;xcb" in order; one that can start is enough.
    for (const QString& entry : chosen.split(u';', Qt::SkipEmptyParts)) {
        const QString plugin = entry.section(u':', 0, 0).trimmed();
        if (plugin == QLatin1String("xcb")) {
            if (x11)
                return true;
        } else if (plugin.startsWith(QLatin1String("wayland"))) {
            if (wayland)
                return true;
        } else if (!plugin.isEmpty()) {
            return true;
        }
    }
    return false;
}

QByteArray sessionBusAddress(const QByteArray& given, const QByteArray& runtimeDir, bool userBusExists) {
    if (!given.isEmpty())
        return given;
    if (!runtimeDir.isEmpty() && userBusExists)
        return "unix:path=" + runtimeDir + "/bus";
    return {};
}

bool prepareSessionBus() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat userBus {};
    const bool userBusExists = !runtime.isEmpty() && stat((runtime + "/bus").constData(), &userBus) == 0 &&
                               S_ISSOCK(userBus.st_mode) && userBus.st_uid == getuid();
    const QByteArray address = sessionBusAddress(qgetenv("DBUS_SESSION_BUS_ADDRESS"), runtime, userBusExists);
    if (address.isEmpty()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", noSessionBusAddress);
        logFailure(noSessionBusMessage, {});
        return false;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return true;
}

} // namespace startup
