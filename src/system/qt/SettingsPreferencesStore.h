#pragma once

#include "platform/PreferencesStore.h"

#include <QSettings>
#include <QVariantMap>

#include <memory>
#include <mutex>

// PreferencesStore on QSettings' native format (an INI file under the user's configuration folder).
//
// The file keeps text, not types, so a typed read judges the stored text:
// - double: the whole text is a finite decimal number ("2", "2.5", "1e3"; not "abc", "nan", "inf");
// - integer: the whole text is a base-10 integer that fits 64 bits ("2.5" is not an integer);
// - boolean: "true" or "false", in any letter case;
// - date: an ISO 8601 date-time; dates are written in UTC with milliseconds;
// - data: only values written as data (QSettings' @ByteArray form); plain text is not data;
// - text: any plain value, so a number written by one reader reads back as its text.
// Anything else reads as absent.
//
// Every write is saved to disk at once, and each save is judged on its own: one that fails prints a
// failure line, one that succeeds after it prints none. A file that cannot be read is never
// overwritten: writes then stay in memory for this run and a failure line is printed. A file that
// cannot be parsed is copied to "<file>.corrupt" before the first write replaces it, so nothing the
// user had is lost.
class SettingsPreferencesStore final : public PreferencesStore {
public:
    // The standard per-user location: $XDG_CONFIG_HOME/linkmeter/linkmeter.conf.
    SettingsPreferencesStore();
    explicit SettingsPreferencesStore(const QString& filePath);
    ~SettingsPreferencesStore() override;

    std::optional<double> readDouble(const QString& key) const override;
    std::optional<std::int64_t> readInteger(const QString& key) const override;
    std::optional<QString> readText(const QString& key) const override;
    std::optional<bool> readBool(const QString& key) const override;
    std::optional<QDateTime> readDate(const QString& key) const override;
    std::optional<QByteArray> readData(const QString& key) const override;

    void writeDouble(const QString& key, double value) override;
    void writeInteger(const QString& key, std::int64_t value) override;
    void writeText(const QString& key, const QString& value) override;
    void writeBool(const QString& key, bool value) override;
    void writeDate(const QString& key, const QDateTime& value) override;
    void writeData(const QString& key, const QByteArray& value) override;

    bool contains(const QString& key) const override;

    QString fileName() const;

private:
    explicit SettingsPreferencesStore(std::unique_ptr<QSettings> settings);
    std::optional<QVariant> value(const QString& key) const;
    void write(const QString& key, const QVariant& value);

    mutable std::mutex m_mutex; // the store may be used from any thread
    std::unique_ptr<QSettings> m_settings;
    bool m_fileUnreadable = false;
    bool m_backupPending = false;
    bool m_failedBefore = false; // the last save failed
    QVariantMap m_unsaved;       // writes that could not go to an unreadable file
};
