#include "history/TimelineWriter.h"

#include "history/TimelineFiles.h"

#include <QDir>

#include <csignal>

#include <sys/resource.h>

using namespace std::chrono_literals;

namespace {

// Makes every file write of this process fail, as on a full disk, while it lives.
class FileWritesFail final {
public:
    FileWritesFail() {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FileWritesFail() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

// Another program holding the file's write lock while it lives.
class OtherProgramsLock final {
public:
    OtherProgramsLock(const QString& path, const char* begin) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        m_query.emplace(db);
        EXPECT_TRUE(m_query->exec(QString::fromLatin1(begin)));
    }
    ~OtherProgramsLock() {
        m_query->exec(QStringLiteral("COMMIT"));
        m_query.reset();
        QSqlDatabase::database(QStringLiteral("other"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }

private:
    std::optional<QSqlQuery> m_query;
};

class TimelineWriterTest : public TimelineTest {};

} // namespace

TEST_F(TimelineWriterTest, NewFileGetsTheLayoutAndRowsReadBackAsWritten) {
    TimelineSample missing = sampleAt(clock.now(), 40, std::nullopt);
    missing.bssid.reset();
    missing.rssi.reset();
    {
        OpenTimeline timeline(path(), clock);
        ASSERT_TRUE(timeline.database.isOpen());
        EXPECT_TRUE(timeline.writer.append(sampleAt(clock.now() - 2min, 90)));
        EXPECT_TRUE(timeline.writer.append(missing));
        EXPECT_TRUE(timeline.writer.append(
            timeline::roamingEvent({"Home", "aa:01", "aa:02", -75, -50}, clock.now())));
    }
    EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineDatabase::schemaVersion);
    EXPECT_EQ(onFile(path(), {"PRAGMA journal_mode"}).toString(), "wal");

    OpenTimeline reopened(path(), clock);
    const auto rows = all(reopened);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], sampleAt(clock.now() - 2min, 90));
    EXPECT_EQ(rows[1], missing); // absent values stay absent, not zero
    const auto events = reopened.queries.events(TimePoint{}, clock.now() + 1s);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, TimelineEventKind::roaming);
    EXPECT_EQ(events[0].toBSSID, "aa:02");
    EXPECT_EQ(events[0].rssiBefore, -75);
}

// The long views read the sums, the short ones the rows: a sample stored without its sum (or the
// other way round) would make them disagree for good.
TEST_F(TimelineWriterTest, ASampleAndItsSumAreStoredTogetherOrNotAtAll) {
    const TimePoint slot = clock.now() - clock.now().time_since_epoch() % timeline::slotLength;
    OpenTimeline timeline(path(), clock);
    ASSERT_TRUE(timeline.writer.append(sampleAt(slot + 1min, 60)));
    // The sum's write fails after the row's has gone through, as a crash between them would.
    onFile(path(), {"CREATE TRIGGER refuse BEFORE INSERT ON rollup BEGIN SELECT RAISE(ABORT, 'no'); END"});
    testing::internal::CaptureStdout();
    EXPECT_FALSE(timeline.writer.append(sampleAt(slot + 2min, 90)));
    EXPECT_EQ(lineCount(testing::internal::GetCapturedStdout()), 1);
    EXPECT_EQ(rowsOnFile(path()), 1);
    EXPECT_EQ(onFile(path(), {"SELECT n FROM rollup"}).toInt(), 1);

    onFile(path(), {"DROP TRIGGER refuse"});
    ASSERT_TRUE(timeline.writer.append(sampleAt(slot + 3min, 80)));
    EXPECT_EQ(timeline.queries.samples(slot, slot + 10min, 60s).size(), 2u);
    const auto summed = timeline.queries.samples(slot, slot + 10min, 10min);
    ASSERT_EQ(summed.size(), 1u);
    EXPECT_EQ(summed[0].score, 70);
}

TEST_F(TimelineWriterTest, PrunesRowsPastThirtyDaysOnceADay) {
    const TimePoint start = clock.now();
    {
        OpenTimeline timeline(path(), clock);
        timeline.writer.append(sampleAt(start, 10));
        timeline.writer.append(timeline::plainEvent(TimelineEventKind::offline, start));
        clock.advance(12h);
        timeline.writer.append(sampleAt(clock.now(), 20));
        timeline.writer.append(timeline::plainEvent(TimelineEventKind::online, clock.now()));
    }
    // A launch a month later: a month away cannot be told from a clock that jumped, so the 30 days
    // before the newest row stay for one more day.
    clock.set(start + timeline::retention + 1h);
    OpenTimeline timeline(path(), clock);
    ASSERT_EQ(all(timeline).size(), 2u);

    // Within the day nothing goes; once the clock has run for a day, the month-old rows do.
    clock.advance(23h);
    timeline.writer.append(sampleAt(clock.now(), 30));
    EXPECT_EQ(all(timeline).size(), 3u);
    EXPECT_EQ(timeline.queries.events(TimePoint{}, clock.now()).size(), 2u);
    clock.advance(1h);
    timeline.writer.append(sampleAt(clock.now(), 40));
    const auto rows = all(timeline);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].score, 30);
    EXPECT_TRUE(timeline.queries.events(TimePoint{}, clock.now()).empty());
    EXPECT_EQ(rowsOnFile(path(), "rollup"), 2);
}

TEST_F(TimelineWriterTest, AClockSetForwardDoesNotEmptyTheFile) {
    fill(100);
    {
        OpenTimeline timeline(path(), clock);
        ASSERT_TRUE(timeline.writer.append(timeline::plainEvent(TimelineEventKind::offline, clock.now())));
    }
    const TimePoint real = clock.now();
    // January 2038, and the program running on it for most of a day.
    clock.set(TimePoint(2'147'000'000s));
    {
        OpenTimeline timeline(path(), clock);
        for (int minute = 0; minute < 23 * 60; minute += 30) {
            timeline.writer.append(sampleAt(clock.now(), 40));
            clock.advance(30min);
        }
        EXPECT_EQ(timeline.rows(real + 1s).size(), 100u);
        EXPECT_EQ(timeline.queries.events(TimePoint{}, real + 1s).size(), 1u);
    }
    // Back at the real clock: nothing of the real rows goes, and once the clock has kept its time
    // for a day the rows it could not have written go.
    clock.set(real + 1h);
    OpenTimeline timeline(path(), clock);
    EXPECT_EQ(timeline.rows(real + 1s).size(), 100u);
    EXPECT_FALSE(timeline.queries.samples(real + 1s, TimePoint::max(), 60s).empty());
    clock.advance(25h);
    timeline.writer.append(sampleAt(clock.now(), 60));
    EXPECT_EQ(timeline.rows(real + 1s).size(), 100u);
    EXPECT_EQ(timeline.queries.samples(real + 1s, TimePoint::max(), 60s).size(), 1u);
}

TEST_F(TimelineWriterTest, AFullDiskCostsNoRowsAndOneLine) {
    OpenTimeline timeline(path(), clock);
    ASSERT_TRUE(timeline.database.isOpen());
    QSqlQuery(timeline.database.connection()).exec(QStringLiteral("PRAGMA max_page_count = 1"));
    testing::internal::CaptureStdout();
    TimelineSample big = sampleAt(clock.now(), 60);
    big.ssid = std::string(20000, 'n');
    EXPECT_FALSE(timeline.writer.append(big));
    EXPECT_FALSE(timeline.writer.append(big));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(lineCount(output), 1) << output;
    QSqlQuery(timeline.database.connection()).exec(QStringLiteral("PRAGMA max_page_count = 100000"));
    EXPECT_TRUE(timeline.writer.append(big));
    EXPECT_EQ(rowsOnFile(path()), 3);
}

TEST_F(TimelineWriterTest, AFullDiskAtStartLeavesNoEmptyFileAndWritingStartsWhenThereIsRoom) {
    std::optional<OpenTimeline> timeline;
    {
        const FileWritesFail full;
        timeline.emplace(path(), clock);
        EXPECT_FALSE(timeline->writer.append(sampleAt(clock.now(), 60)));
    }
    EXPECT_EQ(timeline->database.state(), TimelineDatabase::State::waiting);
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_FALSE(QFile::exists(path() + "-wal"));

    // Not tried again before its time.
    clock.advance(TimelineDatabase::reopenInterval - 1s);
    EXPECT_FALSE(timeline->writer.append(sampleAt(clock.now(), 65)));
    EXPECT_FALSE(QFile::exists(path()));
    clock.advance(1s);
    EXPECT_TRUE(timeline->writer.append(sampleAt(clock.now(), 70)));
    EXPECT_EQ(rowsOnFile(path()), 3);
    EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineDatabase::schemaVersion);
}

TEST_F(TimelineWriterTest, ALockAtStartIsWaitedOutAndItsRowsKept) {
    QDir().mkpath(dir.filePath("linkmeter"));
    std::optional<OpenTimeline> timeline;
    {
        // Another program made the file and keeps it locked.
        const OtherProgramsLock lock(path(), "BEGIN EXCLUSIVE");
        testing::internal::CaptureStdout();
        timeline.emplace(path(), clock);
        EXPECT_FALSE(
            timeline->writer.append(timeline::plainEvent(TimelineEventKind::monitoringStarted, clock.now())));
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(lineCount(output), 1) << output;
    }
    clock.advance(1min);
    EXPECT_TRUE(timeline->writer.append(sampleAt(clock.now(), 80)));
    EXPECT_TRUE(timeline->database.isOpen());
    EXPECT_EQ(all(*timeline).size(), 1u);
    EXPECT_EQ(timeline->queries.events(TimePoint{}, clock.now()).size(), 1u);
}

TEST_F(TimelineWriterTest, RowsWaitOutALockTakenWhileRunning) {
    OpenTimeline timeline(path(), clock);
    ASSERT_TRUE(timeline.database.isOpen());
    {
        const OtherProgramsLock lock(path(), "BEGIN IMMEDIATE");
        testing::internal::CaptureStdout();
        EXPECT_FALSE(timeline.writer.append(sampleAt(clock.now(), 60)));
        testing::internal::GetCapturedStdout();
    }
    clock.advance(1min);
    EXPECT_TRUE(timeline.writer.append(sampleAt(clock.now(), 70)));
    const auto rows = all(timeline);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].score, 60);
}
