// The preferences file, which the user or another program may have written anything into: every
// kind of read of every key the program uses.
#include "FuzzInput.h"
#include "system/qt/SettingsPreferencesStore.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("linkmeter.conf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const SettingsPreferencesStore store(path);
    for (const char* key : {"pingInterval", "menuBarDisplayMode", "networkMemory", "lastUpdateCheck",
                            "hasCompletedOnboarding", "pingTarget", "General/x", "a"}) {
        const QString name = QString::fromLatin1(key);
        (void)store.readDouble(name);
        (void)store.readInteger(name);
        (void)store.readText(name);
        (void)store.readBool(name);
        (void)store.readDate(name);
        (void)store.readData(name);
        (void)store.contains(name);
    }
    return 0;
}
