#include "core/StoredSettings.h"

#include <limits>

namespace {

QString keyOf(const char* key) {
    return QString::fromLatin1(key);
}

} // namespace

double readSetting(const PreferencesStore& store, const NumberSetting<double>& row) {
    return row.within(store.readDouble(keyOf(row.key)).value_or(row.fallback));
}

int readSetting(const PreferencesStore& store, const NumberSetting<int>& row) {
    const std::optional<std::int64_t> stored = store.readInteger(keyOf(row.key));
    if (!stored)
        return row.fallback;
    // A stored number too large for the setting counts as out of its range, on the side it lies.
    if (*stored > std::numeric_limits<int>::max())
        return row.within(std::numeric_limits<int>::max());
    if (*stored < std::numeric_limits<int>::min())
        return row.within(std::numeric_limits<int>::min());
    return row.within(static_cast<int>(*stored));
}

bool readSetting(const PreferencesStore& store, const FlagSetting& row) {
    return store.readBool(keyOf(row.key)).value_or(row.fallback);
}

QString readSetting(const PreferencesStore& store, const TextSetting& row) {
    const std::optional<QString> stored = store.readText(keyOf(row.key));
    if (!stored || (row.usable && !row.usable(stored->toStdString())))
        return QString::fromLatin1(row.fallback);
    return *stored;
}

QByteArray readSetting(const PreferencesStore& store, const DataSetting& row) {
    return store.readData(keyOf(row.key)).value_or(QByteArray());
}

double writeSetting(PreferencesStore& store, const NumberSetting<double>& row, double value) {
    const double stored = row.within(value);
    store.writeDouble(keyOf(row.key), stored);
    return stored;
}

int writeSetting(PreferencesStore& store, const NumberSetting<int>& row, int value) {
    const int stored = row.within(value);
    store.writeInteger(keyOf(row.key), stored);
    return stored;
}

bool writeSetting(PreferencesStore& store, const FlagSetting& row, bool value) {
    store.writeBool(keyOf(row.key), value);
    return value;
}

QString writeSetting(PreferencesStore& store, const TextSetting& row, const QString& value) {
    store.writeText(keyOf(row.key), value);
    return value;
}

QByteArray writeSetting(PreferencesStore& store, const DataSetting& row, const QByteArray& value) {
    store.writeData(keyOf(row.key), value);
    return value;
}
