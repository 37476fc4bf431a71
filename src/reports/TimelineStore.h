#pragma once

#include "reports/TimelineRecord.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

class Clock;

// The timeline on disk: an SQLite file (write-ahead log) with one row a minute and one row per event,
// kept for 30 days. Nothing here stops the program: a damaged file is moved aside and a new one
// started; a folder that cannot be written, or a full disk, costs rows and nothing else.
// Main thread only.
class TimelineStore final : public QObject {
    Q_OBJECT

public:
    static constexpr int schemaVersion = 3;

    TimelineStore(QString path, const Clock& clock, QObject* parent = nullptr);
    ~TimelineStore() override;

    static TimelineStore& shared();
    // history.sqlite in the user's data folder (~/.local/share/linkmeter/).
    static QString defaultPath();

    const QString& path() const { return m_path; }
    // The clock that stamps and prunes, for readers that need "now" on the same scale.
    const Clock& clock() const { return m_clock; }
    // False when the file could not be opened; every call then answers empty.
    bool isOpen() const { return m_open; }
    // The Qt SQL connection, for tests that need to reach under the store.
    const QString& connectionName() const { return m_connection; }

    // Each write is one short transaction; false when the row was lost.
    bool append(const TimelineSample& sample);
    bool append(const TimelineEvent& event);

    // Samples in [from, to), averaged over `bucket`-long spans, oldest first. A one-minute bucket
    // gives the rows as stored; a multiple of ten minutes reads the ten-minute sums (whole slots).
    std::vector<TimelineSample> samples(TimePoint from, TimePoint to, std::chrono::seconds bucket) const;
    std::vector<TimelineEvent> events(TimePoint from, TimePoint to) const;

    // Removes the rows past the retention once a day.
    void pruneIfDue();

signals:
    // A row was stored.
    void appended();

private:
    bool open();
    bool openConnection();
    bool migrate();
    void moveAside(const QString& reason);
    void reportWriteFailure(const QString& error);
    std::optional<TimePoint> lastPrune() const;

    QString m_path;
    const Clock& m_clock;
    QString m_connection;
    bool m_open = false;
    bool m_writeFailing = false;
};
