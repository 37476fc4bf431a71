#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A message bus of our own, so tests neither need nor disturb a desktop session. No service
// directories: nothing can be started on demand behind the test's back. `address` stays empty when
// dbus-daemon could not be started. A system-type bus stands in for the system bus (the
// NetworkManager tests), a session-type one for the desktop session.
class PrivateBus {
public:
    enum class Type { session, system };

    explicit PrivateBus(Type type = Type::session);
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString address;

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
};
