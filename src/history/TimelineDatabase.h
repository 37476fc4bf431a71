#pragma once

#include <QString>

#include <chrono>

class Clock;
class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// The timeline's SQLite file (write-ahead log), opened and brought to the current layout at
// construction. Nothing here stops the program. A file SQLite finds damaged is moved aside (every
// earlier copy kept) and a new one started; a file that cannot be opened for another reason, or that
// a newer Linkmeter laid out, is left alone and the timeline is off for the run. A lock held by
// another program or a full disk only delays opening: it is tried again later. Main thread only.
class TimelineDatabase final {
public:
    enum class State { open, waiting, off };

    static constexpr int schemaVersion = 3;
    // How long a statement waits for another program's lock before it gives up.
    static constexpr std::chrono::milliseconds busyTimeout{2000};
    // How often opening is tried again after a lock or a full disk stopped it.
    static constexpr std::chrono::seconds reopenInterval{30};

    TimelineDatabase(QString path, const Clock& clock);
    ~TimelineDatabase();
    TimelineDatabase(const TimelineDatabase&) = delete;
    TimelineDatabase& operator=(const TimelineDatabase&) = delete;

    // history.sqlite in the user's data folder (~/.local/share/linkmeter/).
    static QString defaultPath();

    const QString& path() const { return m_path; }
    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::open; }
    // Tries opening again while waiting, once the last try is `reopenInterval` old.
    void reopenIfDue();

    // The connection the writer and the readers share; it only answers while the file is open.
    QSqlDatabase connection() const;

    // Whether a failed statement only has to wait: another program's lock or a full disk.
    static bool isPassing(const QSqlError& error);
    // SQLite's own words for a failure where there are any.
    static QString describe(const QSqlError& error);

private:
    struct Attempt;

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

    QString m_path;
    const Clock& m_clock;
    QString m_connection;
    State m_state = State::off;
    std::chrono::steady_clock::time_point m_lastAttempt{};
};
