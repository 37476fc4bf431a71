#include "reports/TimelineStore.h"

#include "core/Log.h"
#include "platform/Clock.h"
#include "reports/TimelineRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

namespace {

// Length of one slot of sums, in seconds, as the queries use it.
constexpr qint64 slotSeconds = std::chrono::seconds(timeline::slotLength).count();
constexpr char kOpenFailure[] = "Failed to open history: ";
constexpr char kWriteFailure[] = "Failed to write history: ";
const QStringList kFileSuffixes{QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                QStringLiteral("-journal")};

qint64 seconds(TimePoint time) {
    return std::chrono::floor<std::chrono::seconds>(time.time_since_epoch()).count();
}

TimePoint timeOf(qint64 secondsSinceEpoch) {
    return TimePoint(std::chrono::seconds(secondsSinceEpoch));
}

qint64 slotOf(TimePoint time) {
    return seconds(time) / slotSeconds;
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

bool exists(const QString& path) {
    return QFileInfo::exists(path);
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
            // Sums per slot, so the week and month views read a few thousand rows, not 43,200.
            QStringLiteral("CREATE TABLE rollup (slot INTEGER PRIMARY KEY, ssid TEXT, bssid TEXT, n INTEGER, "
                           "score REAL, rssi REAL, rssi_n INTEGER, router REAL, router_n INTEGER, "
                           "internet REAL, internet_n INTEGER, loss REAL, loss_n INTEGER, dns REAL, "
                           "dns_n INTEGER, download REAL, upload REAL)"),
            QStringLiteral(
                "INSERT INTO rollup SELECT time / %1, MAX(ssid), MAX(bssid), COUNT(*), SUM(score), "
                "TOTAL(rssi), COUNT(rssi), TOTAL(router_ms), COUNT(router_ms), TOTAL(internet_ms), "
                "COUNT(internet_ms), TOTAL(loss), COUNT(loss), TOTAL(dns_ms), COUNT(dns_ms), "
                "SUM(download), SUM(upload) FROM samples GROUP BY time / %1")
                .arg(slotSeconds),
        },
        {
            // The figures of events that carry some, such as a speed test's.
            QStringLiteral("ALTER TABLE events ADD COLUMN note TEXT"),
        },
    };
    return steps;
}

// What a failure means for the file, by SQLite's primary result code.
enum class Outcome { done, damaged, passing, lasting, newer };

Outcome outcomeOf(const QSqlError& error) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xff;
    if (!numeric)
        return Outcome::lasting;
    switch (code) {
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Outcome::damaged;
    case 5:  // SQLITE_BUSY: another program holds the lock
    case 6:  // SQLITE_LOCKED
    case 7:  // SQLITE_NOMEM
    case 10: // SQLITE_IOERR: what a full disk gives while the log or its index grows
    case 13: // SQLITE_FULL
    case 15: // SQLITE_PROTOCOL: a lock race inside the write-ahead log
        return Outcome::passing;
    default:
        return Outcome::lasting;
    }
}

QString describe(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

} // namespace

// How one try at opening the file ended, and why.
struct TimelineStore::Attempt {
    Outcome outcome = Outcome::done;
    QString reason;

    static Attempt failed(const QSqlError& error) { return {outcomeOf(error), describe(error)}; }
    bool ok() const { return outcome == Outcome::done; }
};

TimelineStore::TimelineStore(QString path, const Clock& clock, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_clock(clock) {
    static std::atomic<int> counter{0};
    m_connection = QStringLiteral("timeline-%1").arg(counter++);
    open();
}

TimelineStore::~TimelineStore() {
    if (QSqlDatabase::contains(m_connection)) {
        closeConnection();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QString TimelineStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/linkmeter/history.sqlite");
}

QSqlDatabase TimelineStore::database() const {
    return QSqlDatabase::database(m_connection, false);
}

void TimelineStore::open() {
    m_lastAttempt = m_clock.steadyNow();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        stopTrying({Outcome::lasting, QStringLiteral("the Qt SQLite driver is not installed")});
        return;
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        stopTrying({Outcome::lasting, QStringLiteral("cannot create ") + folder});
        return;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool existed = exists(m_path);
        const Attempt result = openFile();
        if (result.ok()) {
            m_state = State::open;
            pruneIfDue();
            return;
        }
        closeConnection();
        if (!existed)
            removeIfEmpty();
        if (result.outcome == Outcome::damaged && attempt == 0) {
            if (moveAside(result.reason))
                continue;
            stopTrying({Outcome::lasting, result.reason + QStringLiteral("; cannot move it aside")});
            return;
        }
        stopTrying(result);
        return;
    }
}

TimelineStore::Attempt TimelineStore::openFile() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? database()
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    // Applied when the file opens, so even the first statement waits out another program's lock.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout.count()));
    if (!db.open())
        return Attempt::failed(db.lastError());
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return Attempt::failed(query.lastError());
    if (const QString verdict = query.value(0).toString(); verdict != QStringLiteral("ok"))
        return {Outcome::damaged, verdict};
    query.finish();
    int version = 0;
    if (const Attempt read = readVersion(query, version); !read.ok())
        return read;
    if (version < schemaVersion)
        if (const Attempt upgrade = migrate(db); !upgrade.ok())
            return upgrade;
    // WAL keeps the window's reads off the minute's write; NORMAL sync is safe with WAL. Switched
    // after the upgrade, whose immediate transaction waits for another program's lock where this
    // switch would give up at once.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return Attempt::failed(query.lastError());
    query.finish();
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    return {};
}

TimelineStore::Attempt TimelineStore::readVersion(QSqlQuery& query, int& version) {
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return Attempt::failed(query.lastError());
    version = query.value(0).toInt();
    query.finish();
    if (version < 0)
        return {Outcome::damaged, QStringLiteral("layout version %1").arg(version)};
    if (version > schemaVersion)
        // A newer Linkmeter wrote it: leave its rows alone rather than guess at them.
        return {Outcome::newer, QStringLiteral("it has a newer layout (version %1)").arg(version)};
    return {};
}

TimelineStore::Attempt TimelineStore::migrate(QSqlDatabase& db) {
    QSqlQuery query(db);
    // The version is read again under the write lock: another program opening the new file at the
    // same moment has either upgraded it already or waits until this one has.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Attempt::failed(query.lastError());
    int version = 0;
    Attempt result = readVersion(query, version);
    for (int step = version; result.ok() && step < schemaVersion; ++step)
        result = runStep(query, step);
    if (result.ok() && !query.exec(QStringLiteral("COMMIT")))
        result = Attempt::failed(query.lastError());
    if (!result.ok())
        query.exec(QStringLiteral("ROLLBACK"));
    return result;
}

TimelineStore::Attempt TimelineStore::runStep(QSqlQuery& query, int step) {
    for (const QString& statement : migrationSteps()[static_cast<std::size_t>(step)])
        if (!query.exec(statement))
            return Attempt::failed(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1)))
        return Attempt::failed(query.lastError());
    return {};
}

void TimelineStore::closeConnection() {
    if (QSqlDatabase::contains(m_connection))
        database().close();
}

void TimelineStore::removeIfEmpty() {
    // A file this store created and could not finish holds nothing; left behind, it would only
    // puzzle the next start.
    if (!exists(m_path) || QFileInfo(m_path).size() != 0)
        return;
    for (const QString& suffix : kFileSuffixes)
        QFile::remove(m_path + suffix);
}

QString TimelineStore::freeAsideName() const {
    for (int n = 1;; ++n) {
        const QString name =
            m_path + QStringLiteral(".corrupt") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        if (std::none_of(kFileSuffixes.begin(), kFileSuffixes.end(),
                         [&](const QString& suffix) { return exists(name + suffix); }))
            return name;
    }
}

bool TimelineStore::moveAside(const QString& reason) {
    const QString aside = freeAsideName();
    for (const QString& suffix : kFileSuffixes) {
        if (exists(m_path + suffix) && !QFile::rename(m_path + suffix, aside + suffix) && suffix.isEmpty())
            return false;
    }
    logFailure("History database was damaged, moved it aside and started a new one: ",
               (aside + " (" + reason + ")").toStdString());
    return true;
}

void TimelineStore::stopTrying(const Attempt& attempt) {
    const bool passing = attempt.outcome == Outcome::passing;
    // One line when it starts, not one per retry.
    if (!passing || m_state != State::waiting)
        logFailure(kOpenFailure, (m_path + ": " + attempt.reason +
                                  (passing ? QStringLiteral(" (trying again)")
                                           : QStringLiteral(" (history is off until the next start)")))
                                     .toStdString());
    m_state = passing ? State::waiting : State::off;
}

bool TimelineStore::append(const TimelineSample& sample) {
    return store(sample);
}

bool TimelineStore::append(const TimelineEvent& event) {
    return store(event);
}

bool TimelineStore::store(Row row) {
    if (m_state == State::off)
        return false;
    m_pending.push_back(std::move(row));
    if (m_pending.size() > pendingLimit)
        m_pending.pop_front();
    if (m_state == State::waiting && m_clock.steadyNow() - m_lastAttempt >= reopenInterval)
        open();
    return m_state == State::open && writePending();
}

namespace {

bool insert(QSqlQuery& query, const TimelineSample& sample) {
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
    if (!query.exec())
        return false;
    query.prepare(QStringLiteral(
        "INSERT INTO rollup VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
        "ON CONFLICT (slot) DO UPDATE SET ssid = excluded.ssid, bssid = excluded.bssid, n = n + 1, "
        "score = score + excluded.score, rssi = rssi + excluded.rssi, rssi_n = rssi_n + excluded.rssi_n, "
        "router = router + excluded.router, router_n = router_n + excluded.router_n, "
        "internet = internet + excluded.internet, internet_n = internet_n + excluded.internet_n, "
        "loss = loss + excluded.loss, loss_n = loss_n + excluded.loss_n, dns = dns + excluded.dns, "
        "dns_n = dns_n + excluded.dns_n, download = download + excluded.download, "
        "upload = upload + excluded.upload"));
    query.addBindValue(slotOf(sample.time));
    query.addBindValue(QString::fromStdString(sample.ssid));
    query.addBindValue(nullable(sample.bssid));
    query.addBindValue(sample.score);
    const auto sum = [&query](std::optional<double> value) {
        query.addBindValue(value.value_or(0.0));
        query.addBindValue(value ? 1 : 0);
    };
    sum(sample.rssi ? std::optional<double>(*sample.rssi) : std::nullopt);
    sum(sample.routerLatency);
    sum(sample.internetLatency);
    sum(sample.internetLoss);
    sum(sample.dnsTime);
    query.addBindValue(sample.downloadBytesPerSecond);
    query.addBindValue(sample.uploadBytesPerSecond);
    return query.exec();
}

bool insert(QSqlQuery& query, const TimelineEvent& event) {
    query.prepare(QStringLiteral("INSERT INTO events VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(seconds(event.time));
    query.addBindValue(QString::fromUtf8(timeline::storedName(event.kind)));
    query.addBindValue(QString::fromStdString(event.ssid));
    query.addBindValue(nullable(event.fromBSSID));
    query.addBindValue(nullable(event.toBSSID));
    query.addBindValue(nullable(event.rssiBefore));
    query.addBindValue(nullable(event.rssiAfter));
    query.addBindValue(QString::fromStdString(event.note));
    return query.exec();
}

// Removes the rows of `table` whose `column` lies outside [from, until].
bool removeOutside(QSqlQuery& query, const QString& table, const QString& column, qint64 from,
                   std::optional<qint64> until) {
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 < ? OR %2 > ?").arg(table, column));
    query.addBindValue(from);
    query.addBindValue(until.value_or(std::numeric_limits<qint64>::max()));
    return query.exec();
}

} // namespace

bool TimelineStore::writePending() {
    // Every waiting row in one transaction: all of them reach the file, in order, or none does.
    QSqlQuery query(database());
    bool ok = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (auto row = m_pending.begin(); ok && row != m_pending.end(); ++row)
        ok = std::visit([&query](const auto& value) { return insert(query, value); }, *row);
    ok = ok && query.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        reportWriteFailure(describe(error));
        // Rows wait out a lock or a full disk; a file that refuses them for another reason loses them.
        if (outcomeOf(error) != Outcome::passing)
            m_pending.clear();
        return false;
    }
    m_pending.clear();
    m_writeFailing = false;
    pruneIfDue();
    emit appended();
    return true;
}

void TimelineStore::reportWriteFailure(const QString& error) {
    // One line when writes start failing, not one a minute while the disk stays full.
    if (!m_writeFailing)
        logFailure(kWriteFailure, error.toStdString());
    m_writeFailing = true;
}

std::vector<TimelineSample> TimelineStore::samples(TimePoint from, TimePoint to,
                                                   std::chrono::seconds bucket) const {
    std::vector<TimelineSample> out;
    if (!isOpen())
        return out;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const qint64 width = std::max<qint64>(1, bucket.count());
    if (width % slotSeconds == 0) {
        // Whole slots; a slot the range cuts into counts whole.
        query.prepare(
            QStringLiteral(
                "SELECT MIN(slot) * %1, MAX(ssid), MAX(bssid), SUM(rssi) / SUM(rssi_n), SUM(score) / SUM(n), "
                "SUM(router) / SUM(router_n), SUM(internet) / SUM(internet_n), SUM(loss) / SUM(loss_n), "
                "SUM(dns) / SUM(dns_n), SUM(download) / SUM(n), SUM(upload) / SUM(n) FROM rollup "
                "WHERE slot >= ? AND slot < ? GROUP BY slot / ? ORDER BY 1")
                .arg(slotSeconds));
        query.addBindValue(slotOf(from));
        query.addBindValue((seconds(to) + slotSeconds - 1) / slotSeconds);
        query.addBindValue(width / slotSeconds);
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
    if (!isOpen())
        return out;
    QSqlQuery query(database());
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

std::optional<TimePoint> TimelineStore::newestTime(TimePoint notAfter) const {
    if (!isOpen())
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(
        QStringLiteral("SELECT MAX(time) FROM (SELECT MAX(time) AS time FROM samples WHERE time <= ? "
                       "UNION ALL SELECT MAX(time) FROM events WHERE time <= ?)"));
    query.addBindValue(seconds(notAfter));
    query.addBindValue(seconds(notAfter));
    if (query.exec() && query.next() && !query.value(0).isNull())
        return timeOf(query.value(0).toLongLong());
    return std::nullopt;
}

std::optional<TimePoint> TimelineStore::lastPrune() const {
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'lastPrune'")) && query.next())
        return timeOf(query.value(0).toLongLong());
    return std::nullopt;
}

void TimelineStore::pruneIfDue() {
    if (!isOpen())
        return;
    const TimePoint now = m_clock.now();
    const std::optional<TimePoint> last = lastPrune();
    if (!timeline::pruneDue(last, now))
        return;
    const timeline::PruneBounds keep = timeline::pruneBounds(now, last, newestTime());
    const std::optional<qint64> until =
        keep.keepUntil ? std::optional(seconds(*keep.keepUntil)) : std::nullopt;
    QSqlQuery query(database());
    bool ok = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (const QString& table : {QStringLiteral("samples"), QStringLiteral("events")})
        ok = ok && removeOutside(query, table, QStringLiteral("time"), seconds(keep.keepFrom), until);
    ok = ok && removeOutside(query, QStringLiteral("rollup"), QStringLiteral("slot"), slotOf(keep.keepFrom),
                             until ? std::optional(*until / slotSeconds) : std::nullopt);
    if (ok) {
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES ('lastPrune', ?)"));
        query.addBindValue(seconds(now));
        ok = query.exec();
    }
    ok = ok && query.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        reportWriteFailure(describe(query.lastError()));
        query.exec(QStringLiteral("ROLLBACK"));
    }
}
