#include "reports/TimelineStore.h"

#include "reports/TimelineRules.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

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

class TimelineStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ManualClock clock;
    QString path() const { return dir.filePath("linkmeter/history.sqlite"); }
    std::vector<TimelineSample> all(TimelineStore& store) const {
        return store.samples(TimePoint{}, clock.now() + 1h, 60s);
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
    // A launch a month later prunes at once: the first rows are past the 30 days, the later not.
    clock.set(start + timeline::retention + 1h);
    TimelineStore store(path(), clock);
    ASSERT_EQ(all(store).size(), 1u);
    EXPECT_EQ(all(store)[0].score, 20);
    ASSERT_EQ(store.events(TimePoint{}, clock.now()).size(), 1u);
    EXPECT_EQ(store.events(TimePoint{}, clock.now())[0].kind, TimelineEventKind::online);

    // Within the day nothing more goes, even though the second row has aged out meanwhile.
    clock.advance(23h);
    store.append(sampleAt(clock.now(), 30));
    EXPECT_EQ(all(store).size(), 2u);
    clock.advance(1h);
    store.append(sampleAt(clock.now(), 40));
    const auto rows = all(store);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].score, 30);
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

TEST_F(TimelineStoreTest, UnwritableFolderOrFullDiskLosesRowsNotTheProgram) {
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

    // The disk fills up: rows are refused, one line says so, and writing resumes afterwards.
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
}

TEST_F(TimelineStoreTest, ReadOnlyFolderKeepsRunning) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QDir().mkpath(dir.filePath("linkmeter"));
    QFile::setPermissions(dir.filePath("linkmeter"), QFile::ReadOwner | QFile::ExeOwner);
    testing::internal::CaptureStdout();
    TimelineStore store(path(), clock);
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(store.append(sampleAt(clock.now(), 50)));
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
