#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A message bus of our own, so tests neither need nor disturb a desktop session. No service
// directories: nothing can be started on demand behind the test's back. `address` stays empty when
// dbus-daemon could not be started.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    QString address;

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
};
