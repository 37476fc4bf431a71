#include "support/PrivateBus.h"

#include <QFile>

PrivateBus::PrivateBus(Type type) {
    QFile config(m_dir.filePath("bus.conf"));
    if (!config.open(QIODevice::WriteOnly))
        return;
    const QByteArray typeName = type == Type::system ? "system" : "session";
    config.write("<busconfig><type>" + typeName + "</type><listen>unix:dir=" + m_dir.path().toUtf8() +
                 "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                 "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                 "<allow own=\"*\"/></policy></busconfig>");
    config.close();
    m_daemon.start("dbus-daemon", {"--config-file=" + config.fileName(), "--print-address", "--nofork"});
    if (m_daemon.waitForStarted() && m_daemon.waitForReadyRead(5000))
        address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    m_daemon.terminate();
    m_daemon.waitForFinished();
}
