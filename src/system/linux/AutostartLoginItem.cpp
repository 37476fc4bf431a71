#include "system/linux/AutostartLoginItem.h"

#include "core/BuildInfo.h"
#include "core/ProgramLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString autostartFolder() {
    // Relative values are invalid for XDG variables and must be ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

// Reads key=value lines of the [Desktop Entry] group; enough for the two keys that switch an entry off.
QString entryValue(const QByteArray& contents, const QByteArray& key) {
    bool inEntryGroup = false;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inEntryGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntryGroup)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == key)
            return QString::fromUtf8(line.mid(equals + 1).trimmed());
    }
    return {};
}

} // namespace

AutostartLoginItem::AutostartLoginItem(QString executable) : m_executable(std::move(executable)) {}

QString AutostartLoginItem::entryPath() const {
    return autostartFolder() + QStringLiteral("/linkmeter.desktop");
}

QString AutostartLoginItem::execValue(const QString& program) {
    // Inside double quotes, ", `, $ and \ take a backslash; the value as a whole is then a desktop-entry
    // string, whose own escaping doubles every backslash. A literal % is written %%.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    QString value;
    for (const QChar c : u'"' + quoted + u'"') {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

std::optional<QString> AutostartLoginItem::registerItem() {
    const QString program = m_executable.isEmpty()
                                ? installedOrRunningProgram(QString::fromLatin1(build_info::installedProgram))
                                : m_executable;
    if (program.isEmpty() || QDir::isRelativePath(program))
        return QStringLiteral("The program's own location is unknown");
    const QString folder = autostartFolder();
    if (!QDir().mkpath(folder))
        return QStringLiteral("Could not create the folder %1").arg(folder);

    const QString contents = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=Linkmeter\n"
                                            "Comment=Wi-Fi connection health in the panel\n"
                                            "Exec=%1\n"
                                            "Terminal=false\n"
                                            "X-GNOME-Autostart-enabled=true\n")
                                 .arg(execValue(program));
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not write %1: %2").arg(entryPath(), file.errorString());
    file.write(contents.toUtf8());
    if (!file.commit())
        return QStringLiteral("Could not write %1: %2").arg(entryPath(), file.errorString());
    return std::nullopt;
}

std::optional<QString> AutostartLoginItem::unregisterItem() {
    QFile file(entryPath());
    if (!file.exists())
        return std::nullopt;
    if (!file.remove())
        return QStringLiteral("Could not remove %1: %2").arg(entryPath(), file.errorString());
    return std::nullopt;
}

bool AutostartLoginItem::isEnabled() const {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = file.readAll();
    return entryValue(contents, "Hidden") != QStringLiteral("true") &&
           entryValue(contents, "X-GNOME-Autostart-enabled") != QStringLiteral("false");
}
