#include "history/TimelineWriter.h"

#include "core/Log.h"
#include "history/TimelineColumns.h"
#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "platform/Clock.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <limits>

using namespace timeline_columns;

namespace {

constexpr char kWriteFailure[] = "Failed to write history: ";

bool insertRow(QSqlQuery& query, const TimelineSample& sample) {
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
    return query.exec();
}

// Adds the sample to its slot's sums: each reading and how many samples had it.
bool addToSlot(QSqlQuery& query, const TimelineSample& sample) {
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

bool insert(QSqlQuery& query, const TimelineSample& sample) {
    return insertRow(query, sample) && addToSlot(query, sample);
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

TimelineWriter::TimelineWriter(TimelineDatabase& database, const Clock& clock, QObject* parent)
    : QObject(parent), m_database(database), m_clock(clock) {
    pruneIfDue();
}

bool TimelineWriter::append(const TimelineSample& sample) {
    return store(sample);
}

bool TimelineWriter::append(const TimelineEvent& event) {
    return store(event);
}

bool TimelineWriter::store(Row row) {
    if (m_database.state() == TimelineDatabase::State::off)
        return false;
    m_pending.push_back(std::move(row));
    if (m_pending.size() > pendingLimit)
        m_pending.pop_front();
    m_database.reopenIfDue();
    return m_database.isOpen() && writePending();
}

bool TimelineWriter::writePending() {
    // Every waiting row, each sample with its sum, in one transaction: all of it reaches the file, in
    // order, or none does.
    QSqlQuery query(m_database.connection());
    bool ok = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (auto row = m_pending.begin(); ok && row != m_pending.end(); ++row)
        ok = std::visit([&query](const auto& value) { return insert(query, value); }, *row);
    ok = ok && query.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        reportWriteFailure(TimelineDatabase::describe(error));
        // Rows wait out a lock or a full disk; a file that refuses them for another reason loses them.
        if (!TimelineDatabase::isPassing(error))
            m_pending.clear();
        return false;
    }
    m_pending.clear();
    m_writeFailing = false;
    pruneIfDue();
    emit appended();
    return true;
}

void TimelineWriter::reportWriteFailure(const QString& error) {
    // One line when writes start failing, not one a minute while the disk stays full.
    if (!m_writeFailing)
        logFailure(kWriteFailure, error.toStdString());
    m_writeFailing = true;
}

std::optional<TimePoint> TimelineWriter::lastPrune() const {
    QSqlQuery query(m_database.connection());
    if (query.exec(QStringLiteral("SELECT value FROM meta WHERE key = 'lastPrune'")) && query.next())
        return timeOf(query.value(0).toLongLong());
    return std::nullopt;
}

void TimelineWriter::pruneIfDue() {
    if (!m_database.isOpen())
        return;
    const TimePoint now = m_clock.now();
    const std::optional<TimePoint> last = lastPrune();
    if (!timeline::pruneDue(last, now))
        return;
    const timeline::PruneBounds keep =
        timeline::pruneBounds(now, last, TimelineQueries(m_database).newestTime());
    const std::optional<qint64> until =
        keep.keepUntil ? std::optional(seconds(*keep.keepUntil)) : std::nullopt;
    QSqlQuery query(m_database.connection());
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
        reportWriteFailure(TimelineDatabase::describe(query.lastError()));
        query.exec(QStringLiteral("ROLLBACK"));
    }
}
