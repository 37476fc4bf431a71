#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

// Per-user persistent key-value store. Reads answer absent for a missing key or a value of another
// type, and callers fall back to their own defaults. Writes persist at once.
class PreferencesStore {
public:
    virtual ~PreferencesStore() = default;

    virtual std::optional<double> readDouble(const QString& key) const = 0;
    virtual std::optional<std::int64_t> readInteger(const QString& key) const = 0;
    virtual std::optional<QString> readText(const QString& key) const = 0;
    virtual std::optional<bool> readBool(const QString& key) const = 0;
    virtual std::optional<QDateTime> readDate(const QString& key) const = 0;
    virtual std::optional<QByteArray> readData(const QString& key) const = 0;

    virtual void writeDouble(const QString& key, double value) = 0;
    virtual void writeInteger(const QString& key, std::int64_t value) = 0;
    virtual void writeText(const QString& key, const QString& value) = 0;
    virtual void writeBool(const QString& key, bool value) = 0;
    virtual void writeDate(const QString& key, const QDateTime& value) = 0;
    virtual void writeData(const QString& key, const QByteArray& value) = 0;

    virtual bool contains(const QString& key) const = 0;
};
