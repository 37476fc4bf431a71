#pragma once

#include "core/SettingsTable.h"
#include "platform/PreferencesStore.h"

#include <QByteArray>
#include <QString>

// The one way a setting of the table reaches the preferences store. Reading never writes: a missing
// key, a value of another type, or a number outside its range reads as the table says. Writing stores
// the value as it will read back (a number brought into its range) and answers it.

double readSetting(const PreferencesStore& store, const NumberSetting<double>& row);
int readSetting(const PreferencesStore& store, const NumberSetting<int>& row);
bool readSetting(const PreferencesStore& store, const FlagSetting& row);
QString readSetting(const PreferencesStore& store, const TextSetting& row);
QByteArray readSetting(const PreferencesStore& store, const DataSetting& row);

double writeSetting(PreferencesStore& store, const NumberSetting<double>& row, double value);
int writeSetting(PreferencesStore& store, const NumberSetting<int>& row, int value);
bool writeSetting(PreferencesStore& store, const FlagSetting& row, bool value);
QString writeSetting(PreferencesStore& store, const TextSetting& row, const QString& value);
QByteArray writeSetting(PreferencesStore& store, const DataSetting& row, const QByteArray& value);

template <typename Enum> Enum readSetting(const PreferencesStore& store, const ChoiceSetting<Enum>& row) {
    const std::optional<QString> text = store.readText(QString::fromLatin1(row.key));
    if (!text)
        return row.fallback;
    return row.fromRaw(text->toStdString()).value_or(row.fallback);
}

template <typename Enum>
Enum writeSetting(PreferencesStore& store, const ChoiceSetting<Enum>& row, Enum value) {
    const std::string_view raw = row.raw(value);
    store.writeText(QString::fromLatin1(row.key), QString::fromUtf8(raw.data(), qsizetype(raw.size())));
    return value;
}
