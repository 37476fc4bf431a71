#include "system/qt/SettingsPreferencesStore.h"

#include "core/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace {

const QString organization = QStringLiteral("linkmeter");
const QString application = QStringLiteral("linkmeter");

// Values of other types only appear through QSettings' in-process cache or hand-written @Variant
// entries; numbers and booleans among them count as their text, everything else is not text.
std::optional<QString> textOf(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    default:
        return std::nullopt;
    }
}

// Whether a write may replace the file: it must be absent or readable, or its content would be lost.
std::optional<QString> whyUnwritable(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    if (info.isDir())
        return path + QStringLiteral(" is a folder");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": ") + file.errorString();
    return std::nullopt;
}

} // namespace

SettingsPreferencesStore::SettingsPreferencesStore()
    : SettingsPreferencesStore(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                           organization, application)) {}

SettingsPreferencesStore::SettingsPreferencesStore(const QString& filePath)
    : SettingsPreferencesStore(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

SettingsPreferencesStore::SettingsPreferencesStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {
    m_backupPending = m_settings->status() == QSettings::FormatError;
}

SettingsPreferencesStore::~SettingsPreferencesStore() = default;

QString SettingsPreferencesStore::fileName() const {
    return m_settings->fileName();
}

std::optional<QVariant> SettingsPreferencesStore::value(const QString& key) const {
    std::lock_guard lock(m_mutex);
    const auto unsaved = m_unsaved.constFind(key);
    if (unsaved != m_unsaved.constEnd())
        return *unsaved;
    if (!m_settings->contains(key))
        return std::nullopt;
    return m_settings->value(key);
}

std::optional<double> SettingsPreferencesStore::readDouble(const QString& key) const {
    const auto stored = value(key);
    const auto text = stored ? textOf(*stored) : std::nullopt;
    if (!text)
        return std::nullopt;
    bool ok = false;
    const double number = QLocale::c().toDouble(text->trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<std::int64_t> SettingsPreferencesStore::readInteger(const QString& key) const {
    const auto stored = value(key);
    const auto text = stored ? textOf(*stored) : std::nullopt;
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qlonglong number = text->trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<QString> SettingsPreferencesStore::readText(const QString& key) const {
    const auto stored = value(key);
    return stored ? textOf(*stored) : std::nullopt;
}

std::optional<bool> SettingsPreferencesStore::readBool(const QString& key) const {
    const auto stored = value(key);
    const auto text = stored ? textOf(*stored) : std::nullopt;
    if (!text)
        return std::nullopt;
    const QString word = text->trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

std::optional<QDateTime> SettingsPreferencesStore::readDate(const QString& key) const {
    const auto stored = value(key);
    if (!stored)
        return std::nullopt;
    if (stored->metaType().id() == QMetaType::QDateTime) {
        const QDateTime date = stored->toDateTime();
        return date.isValid() ? std::optional(date) : std::nullopt;
    }
    if (stored->metaType().id() != QMetaType::QString)
        return std::nullopt;
    const QDateTime date = QDateTime::fromString(stored->toString().trimmed(), Qt::ISODateWithMs);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<QByteArray> SettingsPreferencesStore::readData(const QString& key) const {
    const auto stored = value(key);
    if (!stored || stored->metaType().id() != QMetaType::QByteArray)
        return std::nullopt;
    return stored->toByteArray();
}

void SettingsPreferencesStore::writeDouble(const QString& key, double value) {
    // Shortest text that reads back as the same double.
    write(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void SettingsPreferencesStore::writeInteger(const QString& key, std::int64_t value) {
    write(key, QString::number(qlonglong(value)));
}

void SettingsPreferencesStore::writeText(const QString& key, const QString& value) {
    write(key, value);
}

void SettingsPreferencesStore::writeBool(const QString& key, bool value) {
    write(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void SettingsPreferencesStore::writeDate(const QString& key, const QDateTime& value) {
    write(key, value.toUTC().toString(Qt::ISODateWithMs));
}

void SettingsPreferencesStore::writeData(const QString& key, const QByteArray& value) {
    write(key, value);
}

bool SettingsPreferencesStore::contains(const QString& key) const {
    std::lock_guard lock(m_mutex);
    return m_unsaved.contains(key) || m_settings->contains(key);
}

void SettingsPreferencesStore::write(const QString& key, const QVariant& value) {
    std::lock_guard lock(m_mutex);
    const QString path = m_settings->fileName();
    if (const auto reason = whyUnwritable(path)) {
        // Saving would replace a file we could not read and lose every other key in it.
        m_unsaved.insert(key, value);
        logFailure("Failed to save preferences: ", reason->toStdString());
        return;
    }
    if (m_backupPending && QFileInfo::exists(path)) {
        const QString backup = path + QStringLiteral(".corrupt");
        QFile::remove(backup);
        if (!QFile::copy(path, backup)) {
            m_unsaved.insert(key, value);
            logFailure("Failed to save preferences: ",
                       "could not keep a copy of the damaged " + path.toStdString());
            return;
        }
    }
    m_backupPending = false;
    m_unsaved.remove(key);
    if (m_failedBefore) {
        // QSettings reports its first error for good, so this save is judged by a fresh object. It
        // is made before the old one goes: both share the file's unsaved changes, which this save
        // writes along.
        m_settings = std::make_unique<QSettings>(path, m_settings->format());
        m_failedBefore = false;
    }
    m_settings->setValue(key, value);
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError) {
        logFailure("Failed to save preferences: ", "could not write " + path.toStdString());
        m_failedBefore = true;
    }
}
