#pragma once

#include "platform/PreferencesStore.h"

#include <QVariant>
#include <QVariantMap>

// In-memory store with the same typed-read rules as the real one: a value of another type reads
// as absent. Counts writes so tests can check that nothing was written.
class MemoryPreferencesStore final : public PreferencesStore {
public:
    std::optional<double> readDouble(const QString& key) const override { return read<double>(key, QMetaType::Double); }
    std::optional<std::int64_t> readInteger(const QString& key) const override {
        return read<qlonglong>(key, QMetaType::LongLong);
    }
    std::optional<QString> readText(const QString& key) const override { return read<QString>(key, QMetaType::QString); }
    std::optional<bool> readBool(const QString& key) const override { return read<bool>(key, QMetaType::Bool); }
    std::optional<QDateTime> readDate(const QString& key) const override {
        return read<QDateTime>(key, QMetaType::QDateTime);
    }
    std::optional<QByteArray> readData(const QString& key) const override {
        return read<QByteArray>(key, QMetaType::QByteArray);
    }

    void writeDouble(const QString& key, double value) override { write(key, value); }
    void writeInteger(const QString& key, std::int64_t value) override { write(key, qlonglong(value)); }
    void writeText(const QString& key, const QString& value) override { write(key, value); }
    void writeBool(const QString& key, bool value) override { write(key, value); }
    void writeDate(const QString& key, const QDateTime& value) override { write(key, value); }
    void writeData(const QString& key, const QByteArray& value) override { write(key, value); }
    bool contains(const QString& key) const override { return m_values.contains(key); }

    // Stores a value of any type, as a hand-edited file might hold.
    void setRaw(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    int writeCount() const { return m_writes; }

private:
    template <typename T> std::optional<T> read(const QString& key, QMetaType::Type type) const {
        const auto it = m_values.constFind(key);
        if (it == m_values.constEnd() || it->metaType().id() != type)
            return std::nullopt;
        return it->value<T>();
    }
    void write(const QString& key, const QVariant& value) {
        m_values.insert(key, value);
        ++m_writes;
    }

    QVariantMap m_values;
    int m_writes = 0;
};
