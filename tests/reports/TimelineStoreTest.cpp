#include "reports/TimelineStore.h"

#include "reports/TimelineRules.h"
#include "support/FilePermissions.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <csignal>
#include <future>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

TimelineSample sampleAt(TimePoint time, int score, std::optional<double> latency = 20.0) {
    TimelineSample s;
    s.time = time;
    s.ssid = "Home";
    s.bssid = "aa:bb:cc:dd:ee:01";
    s.rssi = -55;
    s.score = score;
    s.internetLatency = latency;
    s.internetLoss = latency ? 0.0 : 100.0;
    return s;
}

// Runs statements on a file through a connection of its own, as another program would.
QVariant onFile(const QString& path, const QStringList& statements) {
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
            if (query.next())
                last = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
    return last;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

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

class TimelineStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ManualClock clock;
    QString path() const { return dir.filePath("linkmeter/history.sqlite"); }
    std::vector<TimelineSample> all(TimelineStore& store) const {
        return store.samples(TimePoint{}, clock.now() + 1h, 60s);
    }
    // A file of `rows` samples a minute apart, ending now.
    void fill(int rows) {
        TimelineStore store(path(), clock);
        ASSERT_TRUE(store.isOpen());
        for (int i = rows; i > 0; --i)
            ASSERT_TRUE(store.append(sampleAt(clock.now() - i * 1min, 50)));
    }
    int rowsOnFile(const QString& file) const {
        return onFile(file, {"SELECT COUNT(*) FROM samples"}).toInt();
    }
};

} // namespace

TEST_F(TimelineStoreTest, NewFileGetsTheSchemaAndRowsReadBackAsWritten) {
    TimelineSample missing = sampleAt(clock.now(), 40, std::nullopt);
    missing.bssid.reset();
    missing.rssi.reset();
    {
        TimelineStore store(path(), clock);
        ASSERT_TRUE(store.isOpen());
        EXPECT_TRUE(store.append(sampleAt(clock.now() - 2min, 90)));
        EXPECT_TRUE(store.append(missing));
        TimelineEvent roam = timeline::roamingEvent({"Home", "aa:01", "aa:02", -75, -50}, clock.now());
        EXPECT_TRUE(store.append(roam));
    }
    EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineStore::schemaVersion);
    EXPECT_EQ(onFile(path(), {"PRAGMA journal_mode"}).toString(), "wal");

    TimelineStore reopened(path(), clock);
    const auto rows = all(reopened);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], sampleAt(clock.now() - 2min, 90));
    EXPECT_EQ(rows[1], missing); // absent values stay absent, not zero
    const auto events = reopened.events(TimePoint{}, clock.now() + 1s);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, TimelineEventKind::roaming);
    EXPECT_EQ(events[0].toBSSID, "aa:02");
    EXPECT_EQ(events[0].rssiBefore, -75);
}

TEST_F(TimelineStoreTest, VersionZeroFileIsUpgradedInPlaceAndNewerOnesAreLeftAlone) {
    QDir().mkpath(dir.filePath("linkmeter"));
    onFile(path(), {"CREATE TABLE notes (text TEXT)", "INSERT INTO notes VALUES ('keep me')"});
    {
        TimelineStore store(path(), clock);
        ASSERT_TRUE(store.isOpen());
        EXPECT_TRUE(store.append(sampleAt(clock.now(), 80)));
    }
    EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineStore::schemaVersion);
    EXPECT_EQ(onFile(path(), {"SELECT text FROM notes"}).toString(), "keep me");
    EXPECT_FALSE(QFile::exists(path() + ".corrupt"));

    // A later layout: neither touched nor moved aside.
    onFile(path(), {"PRAGMA user_version = 9"});
    TimelineStore newer(path(), clock);
    EXPECT_FALSE(newer.isOpen());
    EXPECT_FALSE(newer.append(sampleAt(clock.now(), 80)));
    EXPECT_EQ(onFile(path(), {"SELECT COUNT(*) FROM samples"}).toInt(), 1);
    EXPECT_FALSE(QFile::exists(path() + ".corrupt"));
}

TEST_F(TimelineStoreTest, PrunesRowsPastThirtyDaysOnceADay) {
    const TimePoint start = clock.now();
    {
        TimelineStore store(path(), clock);
        store.append(sampleAt(start, 10));
        store.append(timeline::plainEvent(TimelineEventKind::offline, start));
        clock.advance(12h);
        store.append(sampleAt(clock.now(), 20));
        store.append(timeline::plainEvent(TimelineEventKind::online, clock.now()));
    }
    // A launch a month later: a month away cannot be told from a clock that jumped, so the 30 days
    // before the newest row stay for one more day.
    clock.set(start + timeline::retention + 1h);
    TimelineStore store(path(), clock);
    ASSERT_EQ(all(store).size(), 2u);

    // Within the day nothing goes; once the clock has run for a day, the month-old rows do.
    clock.advance(23h);
    store.append(sampleAt(clock.now(), 30));
    EXPECT_EQ(all(store).size(), 3u);
    EXPECT_EQ(store.events(TimePoint{}, clock.now()).size(), 2u);
    clock.advance(1h);
    store.append(sampleAt(clock.now(), 40));
    const auto rows = all(store);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].score, 30);
    EXPECT_TRUE(store.events(TimePoint{}, clock.now()).empty());
}

TEST_F(TimelineStoreTest, DamagedFileIsMovedAsideWithOneLineAndANewOneStarted) {
    QDir().mkpath(dir.filePath("linkmeter"));
    QFile garbage(path());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(8192, 'x'));
    garbage.close();

    testing::internal::CaptureStdout();
    TimelineStore store(path(), clock);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_NE(output.find("history.sqlite.corrupt"), std::string::npos) << output;

    QFile aside(path() + ".corrupt");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray(8192, 'x'));
    EXPECT_TRUE(store.append(sampleAt(clock.now(), 70)));
    EXPECT_EQ(all(store).size(), 1u);
}

TEST_F(TimelineStoreTest, UnwritableFolderOrFullDiskCostsRowsNotTheProgram) {
    // A file where the folder should be cannot be worked around, even by root.
    QFile blocker(dir.filePath("linkmeter"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    testing::internal::CaptureStdout();
    TimelineStore blocked(path(), clock);
    EXPECT_FALSE(testing::internal::GetCapturedStdout().empty());
    EXPECT_FALSE(blocked.isOpen());
    EXPECT_FALSE(blocked.append(sampleAt(clock.now(), 50)));
    EXPECT_TRUE(all(blocked).empty());

    // The disk fills up: rows wait, one line says so, and all of them are written once there is room.
    const QString roomy = dir.filePath("other/history.sqlite");
    TimelineStore store(roomy, clock);
    ASSERT_TRUE(store.isOpen());
    QSqlQuery(QSqlDatabase::database(store.connectionName()))
        .exec(QStringLiteral("PRAGMA max_page_count = 1"));
    testing::internal::CaptureStdout();
    TimelineSample big = sampleAt(clock.now(), 60);
    big.ssid = std::string(20000, 'n');
    EXPECT_FALSE(store.append(big));
    EXPECT_FALSE(store.append(big));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    QSqlQuery(QSqlDatabase::database(store.connectionName()))
        .exec(QStringLiteral("PRAGMA max_page_count = 100000"));
    EXPECT_TRUE(store.append(big));
    EXPECT_EQ(rowsOnFile(roomy), 3);
}

TEST_F(TimelineStoreTest, ReadOnlyFolderKeepsRunning) {
    QDir().mkpath(dir.filePath("linkmeter"));
    QFile::setPermissions(dir.filePath("linkmeter"), QFile::ReadOwner | QFile::ExeOwner);
    {
        const FilePermissionsBind bind;
        testing::internal::CaptureStdout();
        TimelineStore store(path(), clock);
        EXPECT_EQ(lineCount(testing::internal::GetCapturedStdout()), 1);
        EXPECT_FALSE(store.isOpen());
        EXPECT_FALSE(store.append(sampleAt(clock.now(), 50)));
    }
    QFile::setPermissions(dir.filePath("linkmeter"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(TimelineStoreTest, WideBucketsAverageTheirRowsAndSkipMissingValues) {
    TimelineStore store(path(), clock);
    const TimePoint base = TimePoint(std::chrono::seconds(1'800'000'000 - 1'800'000'000 % 600));
    store.append(sampleAt(base, 80, 10.0));
    store.append(sampleAt(base + 1min, 60, std::nullopt));
    store.append(sampleAt(base + 2min, 70, 30.0));
    store.append(sampleAt(base + 10min, 100, 5.0));
    const auto buckets = store.samples(base, base + 20min, 10min);
    ASSERT_EQ(buckets.size(), 2u);
    EXPECT_EQ(buckets[0].time, base);
    EXPECT_EQ(buckets[0].score, 70);
    EXPECT_DOUBLE_EQ(*buckets[0].internetLatency, 20.0);
    EXPECT_NEAR(*buckets[0].internetLoss, 100.0 / 3, 1e-9);
    EXPECT_EQ(buckets[1].score, 100);
    // The range's end is exclusive.
    EXPECT_EQ(store.samples(base, base + 10min, 60s).size(), 3u);
    // The ten-minute sums give the same averages as the rows.
    EXPECT_EQ(store.samples(base, base + 20min, 600s), buckets);
}

TEST_F(TimelineStoreTest, FirstLayoutGainsTheTenMinuteSumsFromItsRows) {
    const TimePoint base = TimePoint(std::chrono::seconds(1'800'000'000 - 1'800'000'000 % 1800));
    {
        TimelineStore store(path(), clock);
        for (int i = 0; i < 40; ++i)
            store.append(sampleAt(base + i * 1min, 50 + i));
    }
    // As the first release left it: rows, no sums.
    onFile(path(), {"DROP TABLE rollup", "ALTER TABLE events DROP COLUMN note", "PRAGMA user_version = 1"});
    TimelineStore store(path(), clock);
    ASSERT_TRUE(store.isOpen());
    const auto halfHours = store.samples(base, base + 1h, 1800s);
    ASSERT_EQ(halfHours.size(), 2u);
    EXPECT_EQ(halfHours[0].score, 65); // 50..79
    EXPECT_EQ(halfHours[1].score, 85); // 80..89
    EXPECT_EQ(halfHours, store.samples(base, base + 1h, 1800s + 0s));
}

TEST_F(TimelineStoreTest, NegativeLayoutVersionIsDamageAndMovedAside) {
    fill(3);
    for (const char* version : {"-1", "-2147483648"}) {
        onFile(path(), {QStringLiteral("PRAGMA user_version = %1").arg(version)});
        testing::internal::CaptureStdout();
        TimelineStore store(path(), clock);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(store.isOpen()) << version;
        EXPECT_TRUE(all(store).empty()) << version;
        EXPECT_EQ(lineCount(output), 1) << output;
        EXPECT_TRUE(store.append(sampleAt(clock.now(), 70)));
        EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineStore::schemaVersion);
    }
    EXPECT_EQ(rowsOnFile(path() + ".corrupt"), 3);
    EXPECT_EQ(rowsOnFile(path() + ".corrupt.2"), 1);
}

TEST_F(TimelineStoreTest, FileThatCannotBeOpenedIsLeftAloneAndHistoryIsOffForTheRun) {
    fill(100);
    const QByteArray before = contents(path());
    QFile::setPermissions(path(), {});
    {
        const FilePermissionsBind bind;
        testing::internal::CaptureStdout();
        TimelineStore store(path(), clock);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(store.isOpen());
        EXPECT_FALSE(store.append(sampleAt(clock.now(), 70)));
        EXPECT_EQ(lineCount(output), 1) << output;
        EXPECT_NE(output.find("history.sqlite"), std::string::npos) << output;
    }
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(path() + ".corrupt"));
    EXPECT_EQ(contents(path()), before);
    EXPECT_EQ(rowsOnFile(path()), 100);
}

TEST_F(TimelineStoreTest, EveryDamagedCopyIsKept) {
    QDir().mkpath(dir.filePath("linkmeter"));
    for (const char fill : {'x', 'y', 'z'}) {
        QFile garbage(path());
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write(QByteArray(4096, fill));
        garbage.close();
        testing::internal::CaptureStdout();
        TimelineStore store(path(), clock);
        testing::internal::GetCapturedStdout();
        EXPECT_TRUE(store.isOpen());
    }
    EXPECT_EQ(contents(path() + ".corrupt"), QByteArray(4096, 'x'));
    EXPECT_EQ(contents(path() + ".corrupt.2"), QByteArray(4096, 'y'));
    EXPECT_EQ(contents(path() + ".corrupt.3"), QByteArray(4096, 'z'));
}

TEST_F(TimelineStoreTest, NewerLayoutIsNotTouchedAtAll) {
    fill(2);
    // As a later version might leave it: rollback journal, a higher layout number.
    onFile(path(), {"PRAGMA journal_mode = DELETE",
                    QStringLiteral("PRAGMA user_version = %1").arg(TimelineStore::schemaVersion + 1)});
    const QByteArray before = contents(path());
    ASSERT_EQ(before.at(18), 1); // the header's "rollback journal" mark
    testing::internal::CaptureStdout();
    TimelineStore store(path(), clock);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(lineCount(output), 1) << output;
    EXPECT_EQ(contents(path()), before);
    EXPECT_FALSE(QFile::exists(path() + "-wal"));
}

TEST_F(TimelineStoreTest, ALockAtStartIsWaitedOutAndItsRowsKept) {
    // Another program made the file and keeps it locked.
    QDir().mkpath(dir.filePath("linkmeter"));
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(path());
    ASSERT_TRUE(other.open());
    QSqlQuery lock(other);
    ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

    testing::internal::CaptureStdout();
    TimelineStore store(path(), clock);
    EXPECT_FALSE(store.append(timeline::plainEvent(TimelineEventKind::monitoringStarted, clock.now())));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(lineCount(output), 1) << output;

    ASSERT_TRUE(lock.exec(QStringLiteral("COMMIT")));
    lock.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    clock.advance(1min);
    EXPECT_TRUE(store.append(sampleAt(clock.now(), 80)));
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(all(store).size(), 1u);
    EXPECT_EQ(store.events(TimePoint{}, clock.now()).size(), 1u);
}

TEST_F(TimelineStoreTest, AFullDiskAtStartLeavesNoEmptyFileAndWritingStartsWhenThereIsRoom) {
    std::optional<TimelineStore> store;
    {
        const FileWritesFail full;
        store.emplace(path(), clock);
        EXPECT_FALSE(store->append(sampleAt(clock.now(), 60)));
    }
    EXPECT_FALSE(store->isOpen());
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_FALSE(QFile::exists(path() + "-wal"));

    clock.advance(1min);
    EXPECT_TRUE(store->append(sampleAt(clock.now(), 70)));
    EXPECT_EQ(all(*store).size(), 2u);
    EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineStore::schemaVersion);
}

TEST_F(TimelineStoreTest, RowsWaitOutALockTakenWhileRunning) {
    TimelineStore store(path(), clock);
    ASSERT_TRUE(store.isOpen());
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(path());
    ASSERT_TRUE(other.open());
    QSqlQuery lock(other);
    ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(store.append(sampleAt(clock.now(), 60)));
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(lock.exec(QStringLiteral("COMMIT")));
    lock.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    clock.advance(1min);
    EXPECT_TRUE(store.append(sampleAt(clock.now(), 70)));
    const auto rows = all(store);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].score, 60);
}

TEST_F(TimelineStoreTest, TwoProgramsOpeningOneNewFileAtOnceBothGetIt) {
    // The layout as the store makes it, to be written by "another program" in its own transaction.
    const QString model = dir.filePath("model.sqlite");
    { TimelineStore store(model, clock); }
    QStringList schema;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("model"));
        db.setDatabaseName(model);
        ASSERT_TRUE(db.open());
        QSqlQuery query(QStringLiteral("SELECT sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY rowid"),
                        db);
        while (query.next())
            schema << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("model"));
    schema << QStringLiteral("PRAGMA user_version = %1").arg(TimelineStore::schemaVersion);

    // The other program takes the write lock on the new file and finishes its upgrade a moment
    // after this one has looked at the file.
    QDir().mkpath(dir.filePath("linkmeter"));
    std::promise<void> locked;
    std::thread other([&, file = path()] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("racer"));
            db.setDatabaseName(file);
            db.open();
            QSqlQuery query(db);
            query.exec(QStringLiteral("BEGIN IMMEDIATE"));
            locked.set_value();
            std::this_thread::sleep_for(500ms);
            for (const QString& statement : schema)
                query.exec(statement);
            query.exec(QStringLiteral("COMMIT"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("racer"));
    });
    locked.get_future().wait();
    testing::internal::CaptureStdout();
    TimelineStore store(path(), clock);
    const std::string output = testing::internal::GetCapturedStdout();
    other.join();
    EXPECT_TRUE(store.isOpen()) << output;
    EXPECT_EQ(output, "");
    EXPECT_TRUE(store.append(sampleAt(clock.now(), 90)));
    EXPECT_EQ(rowsOnFile(path()), 1);
}

TEST_F(TimelineStoreTest, AClockSetForwardDoesNotEmptyTheFile) {
    fill(100);
    {
        TimelineStore store(path(), clock);
        ASSERT_TRUE(store.append(timeline::plainEvent(TimelineEventKind::offline, clock.now())));
    }
    const TimePoint real = clock.now();
    // January 2038, and the program running on it for most of a day.
    clock.set(TimePoint(2'147'000'000s));
    {
        TimelineStore store(path(), clock);
        for (int minute = 0; minute < 23 * 60; minute += 30) {
            store.append(sampleAt(clock.now(), 40));
            clock.advance(30min);
        }
        EXPECT_EQ(store.samples(TimePoint{}, real + 1s, 60s).size(), 100u);
        EXPECT_EQ(store.events(TimePoint{}, real + 1s).size(), 1u);
    }
    // Back at the real clock: nothing of the real rows goes, and once the clock has kept its time
    // for a day the rows it could not have written go.
    clock.set(real + 1h);
    TimelineStore store(path(), clock);
    EXPECT_EQ(store.samples(TimePoint{}, real + 1s, 60s).size(), 100u);
    EXPECT_FALSE(store.samples(real + 1s, TimePoint::max(), 60s).empty());
    clock.advance(25h);
    store.append(sampleAt(clock.now(), 60));
    EXPECT_EQ(store.samples(TimePoint{}, real + 1s, 60s).size(), 100u);
    EXPECT_EQ(store.samples(real + 1s, TimePoint::max(), 60s).size(), 1u);
}
