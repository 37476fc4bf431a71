#pragma once

#include "history/TimelineRecord.h"

#include <QObject>
#include <QString>

#include <deque>
#include <optional>
#include <variant>

class Clock;
class TimelineDatabase;

// Writes the timeline: one row a minute and one row per event, each sample together with its slot's
// sum in one transaction, so the sums the long views read always agree with the rows. A lock held
// by another program or a full disk only delays rows: they wait in memory and are written, in order,
// once the file takes them again. Rows past the retention go once a day. Main thread only.
class TimelineWriter final : public QObject {
    Q_OBJECT

public:
    // Rows kept in memory while the file refuses them: a day of samples and as many events.
    static constexpr std::size_t pendingLimit = 2 * 24 * 60;

    // Prunes at once when the file is open.
    TimelineWriter(TimelineDatabase& database, const Clock& clock, QObject* parent = nullptr);

    // True when the row is in the file. Otherwise it waits in memory for the next write when the
    // file is locked or the disk full, and is lost for any other failure.
    bool append(const TimelineSample& sample);
    bool append(const TimelineEvent& event);

    // Removes the rows outside the retention once a day.
    void pruneIfDue();

signals:
    // Rows were stored.
    void appended();

private:
    using Row = std::variant<TimelineSample, TimelineEvent>;

    bool store(Row row);
    bool writePending();
    void reportWriteFailure(const QString& error);
    std::optional<TimePoint> lastPrune() const;

    TimelineDatabase& m_database;
    const Clock& m_clock;
    std::deque<Row> m_pending;
    bool m_writeFailing = false;
};
