#include "history/TimelineDatabase.h"

#include "core/Log.h"
#include "history/TimelineColumns.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

constexpr char kOpenFailure[] = "Failed to open history: ";
const QStringList kFileSuffixes{QString(), QStringLiteral("-wal"), QStringLiteral("-shm"),
                                QStringLiteral("-journal")};

bool exists(const QString& path) {
    return QFileInfo::exists(path);
}

// The layout as of each version: step N takes a file from version N to N + 1. The one value these
// statements take, wherever they have a placeholder, is the slot length.
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
                "INSERT INTO rollup SELECT time / ?, MAX(ssid), MAX(bssid), COUNT(*), SUM(score), "
                "TOTAL(rssi), COUNT(rssi), TOTAL(router_ms), COUNT(router_ms), TOTAL(internet_ms), "
                "COUNT(internet_ms), TOTAL(loss), COUNT(loss), TOTAL(dns_ms), COUNT(dns_ms), "
                "SUM(download), SUM(upload) FROM samples GROUP BY time / ?"),
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

} // namespace

// How one try at opening the file ended, and why.
struct TimelineDatabase::Attempt {
    Outcome outcome = Outcome::done;
    QString reason;

    static Attempt failed(const QSqlError& error) { return {outcomeOf(error), describe(error)}; }
    bool ok() const { return outcome == Outcome::done; }
};

TimelineDatabase::TimelineDatabase(QString path, const Clock& clock)
    : m_path(std::move(path)), m_clock(clock) {
    static std::atomic<int> counter{0};
    m_connection = QStringLiteral("timeline-%1").arg(counter++);
    open();
}

TimelineDatabase::~TimelineDatabase() {
    if (QSqlDatabase::contains(m_connection)) {
        closeConnection();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QString TimelineDatabase::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/linkmeter/history.sqlite");
}

QSqlDatabase TimelineDatabase::connection() const {
    return QSqlDatabase::database(m_connection, false);
}

bool TimelineDatabase::isPassing(const QSqlError& error) {
    return outcomeOf(error) == Outcome::passing;
}

QString TimelineDatabase::describe(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

void TimelineDatabase::reopenIfDue() {
    if (m_state == State::waiting && m_clock.steadyNow() - m_lastAttempt >= reopenInterval)
        open();
}

void TimelineDatabase::open() {
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

TimelineDatabase::Attempt TimelineDatabase::openFile() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? connection()
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

TimelineDatabase::Attempt TimelineDatabase::readVersion(QSqlQuery& query, int& version) {
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

TimelineDatabase::Attempt TimelineDatabase::migrate(QSqlDatabase& db) {
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

TimelineDatabase::Attempt TimelineDatabase::runStep(QSqlQuery& query, int step) {
    for (const QString& statement : migrationSteps()[static_cast<std::size_t>(step)]) {
        query.prepare(statement);
        for (qsizetype i = statement.count(u'?'); i > 0; --i)
            query.addBindValue(timeline_columns::slotSeconds);
        if (!query.exec())
            return Attempt::failed(query.lastError());
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1)))
        return Attempt::failed(query.lastError());
    return {};
}

void TimelineDatabase::closeConnection() {
    if (QSqlDatabase::contains(m_connection))
        connection().close();
}

void TimelineDatabase::removeIfEmpty() {
    // A file this program created and could not finish holds nothing; left behind, it would only
    // puzzle the next start.
    if (!exists(m_path) || QFileInfo(m_path).size() != 0)
        return;
    for (const QString& suffix : kFileSuffixes)
        QFile::remove(m_path + suffix);
}

QString TimelineDatabase::freeAsideName() const {
    for (int n = 1;; ++n) {
        const QString name =
            m_path + QStringLiteral(".corrupt") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        if (std::none_of(kFileSuffixes.begin(), kFileSuffixes.end(),
                         [&](const QString& suffix) { return exists(name + suffix); }))
            return name;
    }
}

bool TimelineDatabase::moveAside(const QString& reason) {
    const QString aside = freeAsideName();
    for (const QString& suffix : kFileSuffixes) {
        if (exists(m_path + suffix) && !QFile::rename(m_path + suffix, aside + suffix) && suffix.isEmpty())
            return false;
    }
    logFailure("History database was damaged, moved it aside and started a new one: ",
               (aside + " (" + reason + ")").toStdString());
    return true;
}

void TimelineDatabase::stopTrying(const Attempt& attempt) {
    const bool passing = attempt.outcome == Outcome::passing;
    // One line when it starts, not one per retry.
    if (!passing || m_state != State::waiting)
        logFailure(kOpenFailure, (m_path + ": " + attempt.reason +
                                  (passing ? QStringLiteral(" (trying again)")
                                           : QStringLiteral(" (history is off until the next start)")))
                                     .toStdString());
    m_state = passing ? State::waiting : State::off;
}
