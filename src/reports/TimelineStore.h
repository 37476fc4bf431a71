#pragma once

#include "reports/TimelineRecord.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

class Clock;
class QSqlDatabase;
class QSqlQuery;

// The timeline on disk: an SQLite file (write-ahead log) with one row a minute and one row per event,
// kept for 30 days. Nothing here stops the program. A file SQLite finds damaged is moved aside (every
// earlier copy kept) and a new one started; a file that cannot be opened for another reason is left
// alone and the timeline is off for the run. A lock held by another program or a full disk only
// delays rows: they wait in memory and are written, in order, once the file takes them again.
// Main thread only.
class TimelineStore final : public QObject {
    Q_OBJECT

public:
    static constexpr int schemaVersion = 3;
    // How long a statement waits for another program's lock before the row waits in memory.
    static constexpr std::chrono::milliseconds busyTimeout{2000};
    // How often opening is tried again after a lock or a full disk stopped it.
    static constexpr std::chrono::seconds reopenInterval{30};
    // Rows kept in memory while the file refuses them: a day of samples and as many events.
    static constexpr std::size_t pendingLimit = 2 * 24 * 60;

    TimelineStore(QString path, const Clock& clock, QObject* parent = nullptr);
    ~TimelineStore() override;

    // history.sqlite in the user's data folder (~/.local/share/linkmeter/).
    static QString defaultPath();

    const QString& path() const { return m_path; }
    // The clock that stamps and prunes, for readers that need "now" on the same scale.
    const Clock& clock() const { return m_clock; }
    // False until the file is open; every read then answers empty.
    bool isOpen() const { return m_state == State::open; }
    // The Qt SQL connection, for tests that need to reach under the store.
    const QString& connectionName() const { return m_connection; }

    // True when the row is in the file. Otherwise it waits in memory for the next write when the
    // file is locked or the disk full, and is lost for any other failure.
    bool append(const TimelineSample& sample);
    bool append(const TimelineEvent& event);

    // Samples in [from, to), averaged over `bucket`-long spans, oldest first. A one-minute bucket
    // gives the rows as stored; a multiple of the slot length reads the slot sums (whole slots).
    std::vector<TimelineSample> samples(TimePoint from, TimePoint to, std::chrono::seconds bucket) const;
    std::vector<TimelineEvent> events(TimePoint from, TimePoint to) const;
    // The time of the newest row at or before `notAfter`, if there is one.
    std::optional<TimePoint> newestTime(TimePoint notAfter = TimePoint::max()) const;

    // Removes the rows outside the retention once a day.
    void pruneIfDue();

signals:
    // Rows were stored.
    void appended();

private:
    enum class State { open, waiting, off };
    using Row = std::variant<TimelineSample, TimelineEvent>;
    struct Attempt;

    QSqlDatabase database() const;
    void open();
    Attempt openFile();
    static Attempt readVersion(QSqlQuery& query, int& version);
    Attempt migrate(QSqlDatabase& db);
    static Attempt runStep(QSqlQuery& query, int step);
    void closeConnection();
    void removeIfEmpty();
    bool moveAside(const QString& reason);
    QString freeAsideName() const;
    void stopTrying(const Attempt& attempt);
    bool store(Row row);
    bool writePending();
    void reportWriteFailure(const QString& error);
    std::optional<TimePoint> lastPrune() const;

    QString m_path;
    const Clock& m_clock;
    QString m_connection;
    State m_state = State::off;
    std::chrono::steady_clock::time_point m_lastAttempt{};
    std::deque<Row> m_pending;
    bool m_writeFailing = false;
};
