#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>

// What main() makes sure of before Qt creates anything: open standard descriptors, a display for
// the tray program, and a session bus that is really there.
namespace startup {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. Otherwise the first descriptor
// Qt or GLib opens takes its number, and whatever is written "to standard output" lands there (an
// event descriptor, for one, which then wakes the event loop for ever).
void ensureStandardDescriptors();

// Writes all of `bytes` to `fd`, resuming after partial writes and interruptions. Answers 0, or the
// errno of the write that failed.
int writeAll(int fd, std::string_view bytes);

// What decides whether the window system can start.
struct DisplayEnvironment {
    QString platformArgument;          // -platform given on the command line, else empty
    QString qpaPlatform;               // QT_QPA_PLATFORM
    QString display;                   // DISPLAY, or -display given on the command line
    QString waylandDisplay;            // WAYLAND_DISPLAY
    bool defaultWaylandSocket = false; // $XDG_RUNTIME_DIR/wayland-0 exists
};

DisplayEnvironment currentDisplayEnvironment(const QStringList& arguments);

// Whether the chosen window system plugin has something to draw on. Plugins that need no desktop
// (offscreen, vnc, eglfs, ...) count as a session when asked for by name.
bool hasGraphicalSession(const DisplayEnvironment& environment);

inline constexpr char noGraphicalSessionMessage[] =
    "Linkmeter needs a graphical session; for a text report use 'linkmeter --report'";

// The session bus address to run with: the one given, else the user bus that libdbus would find in
// the runtime folder, else none. Empty counts as not given.
QByteArray sessionBusAddress(const QByteArray& given, const QByteArray& runtimeDir, bool userBusExists);

// An address that fails at once. Without any address libdbus "autolaunches" a bus of its own
// (dbus-launch), which outlives the program.
inline constexpr char noSessionBusAddress[] = "disabled:";

inline constexpr char noSessionBusMessage[] =
    "No session bus (DBUS_SESSION_BUS_ADDRESS is not set): no notifications and no tray item";

// Settles DBUS_SESSION_BUS_ADDRESS for this process as above, saying once on standard output when
// there is no bus. Answers whether there is one.
bool prepareSessionBus();

} // namespace startup
