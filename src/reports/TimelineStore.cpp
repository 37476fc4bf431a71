#include "reports/TimelineStore.h"

#include "platform/Clock.h"
#include "platform/Log.h"
#include "reports/TimelineRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>
#include <cmath>

namespace {

// Span of one rollup row.
constexpr qint64 rollupSeconds = 600;
constexpr char kOpenFailure[] = "Failed to open history: ";
constexpr char kWriteFailure[] = "Failed to write history: ";
// SQLite's result codes for a file that is not, or no longer, a database.
const QStringList kDamageCodes{QStringLiteral("11"), QStringLiteral("26")};

qint64 seconds(TimePoint time) {
    return std::chrono::floor<std::chrono::seconds>(time.time_since_epoch()).count();
}

TimePoint timeOf(qint64 secondsSinceEpoch) {
    return TimePoint(std::chrono::seconds(secondsSinceEpoch));
}

QVariant nullable(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant();
}

QVariant nullable(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant();
}

QVariant nullable(const std::optional<std::string>& value) {
    return value ? QVariant(QString::fromStdString(*value)) : QVariant();
}

std::optional<double> optionalDouble(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

std::optional<int> optionalInt(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return static_cast<int>(std::lround(value.toDouble()));
}

std::optional<std::string> optionalText(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toString().toStdString();
}

bool isDamage(const QSqlError& error) {
    return kDamageCodes.contains(error.nativeErrorCode());
}

// The schema as of each version: step N takes a file from version N to N + 1.
const std::vector<QStringList>& migrationSteps() {
    static const std::vector<QStringList> steps{
        {
            QStringLiteral("CREATE TABLE samples (time INTEGER NOT NULL, ssid TEXT NOT NULL, bssid TEXT, "
                           "rssi INTEGER, score INTEGER NOT NULL, router_ms REAL, internet_ms REAL, "
                           "loss REAL, dns_ms REAL, download REAL NOT NULL, upload REAL NOT NULL)"),
            QStringLiteral("CREATE INDEX samples_time ON samples (time)"),
            QStringLiteral(
                "CREATE TABLE events (time INTEGER NOT NULL, kind TEXT NOT NULL, ssid TEXT NOT NULL, "
                "from_bssid TEXT, to_bssid TEXT, rssi_before INTEGER, rssi_after INTEGER)"),
            QStringLiteral("CREATE INDEX events_time ON events (time)"),
            QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value INTEGER)"),
        },
        {
            // Ten-minute sums, so the week and month views read a few thousand rows, not 43,200.
            QStringLiteral("CREATE TABLE rollup (slot INTEGER PRIMARY KEY, ssid TEXT, bssid TEXT, n INTEGER, "
                           "score REAL, rssi REAL, rssi_n INTEGER, router REAL, router_n INTEGER, "
                           "internet REAL, internet_n INTEGER, loss REAL, loss_n INTEGER, dns REAL, "
                           "dns_n INTEGER, download REAL, upload REAL)"),
            QStringLiteral(
                "INSERT INTO rollup SELECT time / 600, MAX(ssid), MAX(bssid), COUNT(*), SUM(score), "
                "TOTAL(rssi), COUNT(rssi), TOTAL(router_ms), COUNT(router_ms), TOTAL(internet_ms), "
                "COUNT(internet_ms), TOTAL(loss), COUNT(loss), TOTAL(dns_ms), COUNT(dns_ms), "
                "SUM(download), SUM(upload) FROM samples GROUP BY time / 600"),
        },
        {
            // The figures of events that carry some, such as a speed test's.
            QStringLiteral("ALTER TABLE events ADD COLUMN note TEXT"),
        },
    };
    return steps;
}

} // namespace

TimelineStore::TimelineStore(QString path, const Clock& clock, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_clock(clock) {
    static std::atomic<int> counter{0};
    m_connection = QStringLiteral("timeline-%1").arg(counter++);
    m_open = open();
    if (m_open)
        pruneIfDue();
}

TimelineStore::~TimelineStore() {
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QString TimelineStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/linkmeter/history.sqlite");
}

bool TimelineStore::open() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        logFailure(kOpenFailure, "the Qt SQLite driver is not installed");
        return false;
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        logFailure(kOpenFailure, ("cannot create " + folder).toStdString());
        return false;
    }
    return openConnection();
}

bool TimelineStore::openConnection() {
    for (int attempt = 0; attempt < 2; ++attempt) {
        {
            QSqlDatabase db = QSqlDatabase::contains(m_connection)
                                  ? QSqlDatabase::database(m_connection, false)
                                  : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            db.setDatabaseName(m_path);
            if (!db.open()) {
                const QString error = db.lastError().text();
                if (attempt == 0 && QFileInfo(m_path).isFile() && QFileInfo(m_path).size() > 0) {
                    moveAside(error);
                    continue;
                }
                logFailure(kOpenFailure, (m_path + ": " + error).toStdString());
                return false;
            }
            QSqlQuery check(db);
            if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
                check.value(0).toString() != QStringLiteral("ok")) {
                const QSqlError error = check.lastError();
                const bool damaged = error.type() == QSqlError::NoError || isDamage(error);
                if (damaged && attempt == 0) {
                    const QString reason =
                        error.type() == QSqlError::NoError ? check.value(0).toString() : error.text();
                    check.finish();
                    moveAside(reason);
                    continue;
                }
                logFailure(kOpenFailure, (m_path + ": " + error.text()).toStdString());
                db.close();
                return false;
            }
            check.finish();
            QSqlQuery setup(db);
            // WAL keeps the window's reads off the minute's write; NORMAL sync is safe with WAL.
            setup.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            setup.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
            setup.exec(QStringLiteral("PRAGMA busy_timeout=2000"));
        }
        return migrate();
    }
    return false;
}

void TimelineStore::moveAside(const QString& reason) {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    const QString aside = m_path + QStringLiteral(".corrupt");
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile::remove(aside + suffix);
        if (QFileInfo::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    logFailure("History database was damaged, moved it aside and started a new one: ",
               (aside + " (" + reason + ")").toStdString());
}

bool TimelineStore::migrate() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        logFailure(kOpenFailure, query.lastError().text().toStdString());
        return false;
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version > schemaVersion) {
        // A newer Linkmeter wrote it: leave its rows alone rather than guess at them.
        logFailure(kOpenFailure,
                   (m_path + " has a newer layout (version " + QString::number(version) + ")").toStdString());
        db.close();
        return false;
    }
    const auto& steps = migrationSteps();
    for (int step = version; step < schemaVersion; ++step) {
        db.transaction();
        bool ok = true;
        for (const QString& statement : steps[static_cast<std::size_t>(step)])
            ok = ok && query.exec(statement);
        ok = ok && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1));
        if (!ok || !db.commit()) {
            const QString error = query.lastError().text();
            db.rollback();
            logFailure(kOpenFailure, ("cannot upgrade " + m_path + ": " + error).toStdString());
            db.close();
            return false;
        }
    }
    return true;
}

void TimelineStore::reportWriteFailure(const QString& error) {
    // One line when writes start failing, not one a minute while the disk stays full.
    if (!m_writeFailing)
        logFailure(kWriteFailure, error.toStdString());
    m_writeFailing = true;
}

bool TimelineStore::append(const TimelineSample& sample) {
    if (!m_open)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO samples VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(seconds(sample.time));
    query.addBindValue(QString::fromStdString(sample.ssid));
    query.addBindValue(nullable(sample.bssid));
    query.addBindValue(nullable(sample.rssi));
    query.addBindValue(sample.score);
    query.addBindValue(nullable(sample.routerLatency));
    query.addBindValue(nullable(sample.internetLatency));
    query.addBindValue(nullable(sample.internetLoss));
    query.addBindValue(nullable(sample.dnsTime));
    query.addBindValue(sample.downloadBytesPerSecond);
    query.addBindValue(sample.uploadBytesPerSecond);
    if (!query.exec()) {
        reportWriteFailure(query.lastError().text());
        return false;
    }
    QSqlQuery rollup(QSqlDatabase::database(m_connection, false));
    rollup.prepare(QStringLiteral(
        "INSERT INTO rollup VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (slot) DO UPDATE SET ssid = excluded.ssid, bssid = excluded.bssid, n = n + 1, "
        "score = score + excluded.score, rssi = rssi + excluded.rssi, rssi_n = rssi_n + excluded.rssi_n, "
        "router = router + excluded.router, router_n = router_n + excluded.router_n, "
        "internet = internet + excluded.internet, internet_n = internet_n + excluded.internet_n, "
        "loss = loss + excluded.loss, loss_n = loss_n + excluded.loss_n, dns = dns + excluded.dns, "
        "dns_n = dns_n + excluded.dns_n, download = download + excluded.download, "
        "upload = upload + excluded.upload"));
    rollup.addBindValue(seconds(sample.time) / rollupSeconds);
    rollup.addBindValue(QString::fromStdString(sample.ssid));
    rollup.addBindValue(nullable(sample.bssid));
    rollup.addBindValue(sample.score);
    const auto sum = [&rollup](std::optional<double> value) {
        rollup.addBindValue(value.value_or(0.0));
        rollup.addBindValue(value ? 1 : 0);
    };
    sum(sample.rssi ? std::optional<double>(*sample.rssi) : std::nullopt);
    sum(sample.routerLatency);
    sum(sample.internetLatency);
    sum(sample.internetLoss);
    sum(sample.dnsTime);
    rollup.addBindValue(sample.downloadBytesPerSecond);
    rollup.addBindValue(sample.uploadBytesPerSecond);
    // The row itself is stored; a lost sum only thins the long views.
    if (!rollup.exec())
        reportWriteFailure(rollup.lastError().text());
    else
        m_writeFailing = false;
    pruneIfDue();
    emit appended();
    return true;
}

bool TimelineStore::append(const TimelineEvent& event) {
    if (!m_open)
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO events VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(seconds(event.time));
    query.addBindValue(QString::fromUtf8(timeline::storedName(event.kind)));
    query.addBindValue(QString::fromStdString(event.ssid));
    query.addBindValue(nullable(event.fromBSSID));
    query.addBindValue(nullable(event.toBSSID));
    query.addBindValue(nullable(event.rssiBefore));
    query.addBindValue(nullable(event.rssiAfter));
    query.addBindValue(QString::fromStdString(event.note));
    if (!query.exec()) {
        reportWriteFailure(query.lastError().text());
        return false;
    }
    m_writeFailing = false;
    emit appended();
    return true;
}

std::vector<TimelineSample> TimelineStore::samples(TimePoint from, TimePoint to,
                                                   std::chrono::seconds bucket) const {
    std::vector<TimelineSample> out;
    if (!m_open)
        return out;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    const qint64 width = std::max<qint64>(1, bucket.count());
    if (width % rollupSeconds == 0) {
        // Whole ten-minute slots; a slot the range cuts into counts whole.
        query.prepare(QStringLiteral(
            "SELECT MIN(slot) * 600, MAX(ssid), MAX(bssid), SUM(rssi) / SUM(rssi_n), SUM(score) / SUM(n), "
            "SUM(router) / SUM(router_n), SUM(internet) / SUM(internet_n), SUM(loss) / SUM(loss_n), "
            "SUM(dns) / SUM(dns_n), SUM(download) / SUM(n), SUM(upload) / SUM(n) FROM rollup "
            "WHERE slot >= ? AND slot < ? GROUP BY slot / ? ORDER BY 1"));
        query.addBindValue(seconds(from) / rollupSeconds);
        query.addBindValue((seconds(to) + rollupSeconds - 1) / rollupSeconds);
        query.addBindValue(width / rollupSeconds);
    } else {
        query.prepare(QStringLiteral(
            "SELECT MIN(time), MAX(ssid), MAX(bssid), AVG(rssi), AVG(score), AVG(router_ms), "
            "AVG(internet_ms), "
            "AVG(loss), AVG(dns_ms), AVG(download), AVG(upload) FROM samples WHERE time >= ? AND time < ? "
            "GROUP BY time / ? ORDER BY 1"));
        query.addBindValue(seconds(from));
        query.addBindValue(seconds(to));
        query.addBindValue(width);
    }
    if (!query.exec()) {
        logFailure("Failed to read history: ", query.lastError().text().toStdString());
        return out;
    }
    while (query.next()) {
        TimelineSample s;
        s.time = timeOf(query.value(0).toLongLong());
        s.ssid = query.value(1).toString().toStdString();
        s.bssid = optionalText(query.value(2));
        s.rssi = optionalInt(query.value(3));
        s.score = optionalInt(query.value(4)).value_or(0);
        s.routerLatency = optionalDouble(query.value(5));
        s.internetLatency = optionalDouble(query.value(6));
        s.internetLoss = optionalDouble(query.value(7));
        s.dnsTime = optionalDouble(query.value(8));
        s.downloadBytesPerSecond = query.value(9).toDouble();
        s.uploadBytesPerSecond = query.value(10).toDouble();
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<TimelineEvent> TimelineStore::events(TimePoint from, TimePoint to) const {
    std::vector<TimelineEvent> out;
    if (!m_open)
        return out;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT time, kind, ssid, from_bssid, to_bssid, rssi_before, rssi_after, note "
                       "FROM events WHERE time >= ? AND time < ? ORDER BY time, rowid"));
    query.addBindValue(seconds(from));
    query.addBindValue(seconds(to));
    if (!query.exec()) {
        logFailure("Failed to read history: ", query.lastError().text().toStdString());
        return out;
    }
    while (query.next()) {
        // Kinds this version does not know (written by a later one) are skipped.
        const auto kind = timeline::eventKindFromStoredName(query.value(1).toString().toStdString());
        if (!kind)
            continue;
        out.push_back(TimelineEvent{timeOf(query.value(0).toLongLong()), *kind,
                                    query.value(2).toString().toStdString(), optionalText(query.value(3)),
                                    optionalText(query.value(4)), optionalInt(query.value(5)),
                                    optionalInt(query.value(6)), query.value(7).toString().toStdString()});
    }
    return out;
}

std::optional<TimePoint> TimelineStore::lastPrune() const {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'lastPrune'")) && query.next())
        return timeOf(query.value(0).toLongLong());
    return std::nullopt;
}

void TimelineStore::pruneIfDue() {
    if (!m_open)
        return;
    const TimePoint now = m_clock.now();
    if (!timeline::pruneDue(lastPrune(), now))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    const qint64 cutoff = seconds(timeline::pruneCutoff(now));
    db.transaction();
    bool ok = true;
    for (const QString& table : {QStringLiteral("samples"), QStringLiteral("events")}) {
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE time < ?").arg(table));
        query.addBindValue(cutoff);
        ok = ok && query.exec();
    }
    query.prepare(QStringLiteral("DELETE FROM rollup WHERE slot < ?"));
    query.addBindValue(cutoff / rollupSeconds);
    ok = ok && query.exec();
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES ('lastPrune', ?)"));
    query.addBindValue(seconds(now));
    ok = ok && query.exec();
    if (!ok || !db.commit()) {
        reportWriteFailure(query.lastError().text());
        db.rollback();
    }
}
