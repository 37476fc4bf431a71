#include "history/TimelineQueries.h"

#include "core/Log.h"
#include "history/TimelineColumns.h"
#include "history/TimelineDatabase.h"
#include "history/TimelineRules.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

using namespace timeline_columns;

namespace {

constexpr char kReadFailure[] = "Failed to read history: ";

} // namespace

std::vector<TimelineSample> TimelineQueries::samples(TimePoint from, TimePoint to,
                                                     std::chrono::seconds bucket) const {
    std::vector<TimelineSample> out;
    if (!m_database.isOpen())
        return out;
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    const qint64 width = std::max<qint64>(1, bucket.count());
    if (width % slotSeconds == 0) {
        // Whole slots; a slot the range cuts into counts whole.
        query.prepare(QStringLiteral(
            "SELECT MIN(slot) * ?, MAX(ssid), MAX(bssid), SUM(rssi) / SUM(rssi_n), SUM(score) / SUM(n), "
            "SUM(router) / SUM(router_n), SUM(internet) / SUM(internet_n), SUM(loss) / SUM(loss_n), "
            "SUM(dns) / SUM(dns_n), SUM(download) / SUM(n), SUM(upload) / SUM(n) FROM rollup "
            "WHERE slot >= ? AND slot < ? GROUP BY slot / ? ORDER BY 1"));
        query.addBindValue(slotSeconds);
        query.addBindValue(slotOf(from));
        query.addBindValue((seconds(to) + slotSeconds - 1) / slotSeconds);
        query.addBindValue(width / slotSeconds);
    } else {
        query.prepare(QStringLiteral(
            "SELECT MIN(time), MAX(ssid), MAX(bssid), AVG(rssi), AVG(score), AVG(router_ms), "
            "AVG(internet_ms), AVG(loss), AVG(dns_ms), AVG(download), AVG(upload) FROM samples "
            "WHERE time >= ? AND time < ? GROUP BY time / ? ORDER BY 1"));
        query.addBindValue(seconds(from));
        query.addBindValue(seconds(to));
        query.addBindValue(width);
    }
    if (!query.exec()) {
        logFailure(kReadFailure, query.lastError().text().toStdString());
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

std::vector<TimelineEvent> TimelineQueries::events(TimePoint from, TimePoint to) const {
    std::vector<TimelineEvent> out;
    if (!m_database.isOpen())
        return out;
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT time, kind, ssid, from_bssid, to_bssid, rssi_before, rssi_after, note "
                       "FROM events WHERE time >= ? AND time < ? ORDER BY time, rowid"));
    query.addBindValue(seconds(from));
    query.addBindValue(seconds(to));
    if (!query.exec()) {
        logFailure(kReadFailure, query.lastError().text().toStdString());
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

std::optional<TimePoint> TimelineQueries::newestTime(TimePoint notAfter) const {
    if (!m_database.isOpen())
        return std::nullopt;
    QSqlQuery query(m_database.connection());
    query.prepare(
        QStringLiteral("SELECT MAX(time) FROM (SELECT MAX(time) AS time FROM samples WHERE time <= ? "
                       "UNION ALL SELECT MAX(time) FROM events WHERE time <= ?)"));
    query.addBindValue(seconds(notAfter));
    query.addBindValue(seconds(notAfter));
    if (query.exec() && query.next() && !query.value(0).isNull())
        return timeOf(query.value(0).toLongLong());
    return std::nullopt;
}
