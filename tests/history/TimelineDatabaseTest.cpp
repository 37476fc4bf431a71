#include "history/TimelineDatabase.h"

#include "history/TimelineFiles.h"
#include "support/FilePermissions.h"

#include <QDir>

#include <future>
#include <thread>

using namespace std::chrono_literals;

namespace {

class TimelineDatabaseTest : public TimelineTest {};

void writeGarbage(const QString& path, char fill, int size) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write(QByteArray(size, fill));
}

} // namespace

TEST_F(TimelineDatabaseTest, VersionZeroFileIsUpgradedInPlace) {
    QDir().mkpath(dir.filePath("linkmeter"));
    onFile(path(), {"CREATE TABLE notes (text TEXT)", "INSERT INTO notes VALUES ('keep me')"});
    {
        OpenTimeline timeline(path(), clock);
        ASSERT_TRUE(timeline.database.isOpen());
        EXPECT_TRUE(timeline.writer.append(sampleAt(clock.now(), 80)));
    }
    EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineDatabase::schemaVersion);
    EXPECT_EQ(onFile(path(), {"SELECT text FROM notes"}).toString(), "keep me");
    EXPECT_FALSE(QFile::exists(path() + ".corrupt"));
}

TEST_F(TimelineDatabaseTest, FirstLayoutGainsTheTenMinuteSumsFromItsRows) {
    const TimePoint base = TimePoint(std::chrono::seconds(1'800'000'000 - 1'800'000'000 % 1800));
    {
        OpenTimeline timeline(path(), clock);
        for (int i = 0; i < 40; ++i)
            timeline.writer.append(sampleAt(base + i * 1min, 50 + i));
    }
    // As the first release left it: rows, no sums.
    onFile(path(), {"DROP TABLE rollup", "ALTER TABLE events DROP COLUMN note", "PRAGMA user_version = 1"});
    TimelineDatabase database(path(), clock);
    ASSERT_TRUE(database.isOpen());
    const TimelineQueries queries(database);
    const auto halfHours = queries.samples(base, base + 1h, 1800s);
    ASSERT_EQ(halfHours.size(), 2u);
    EXPECT_EQ(halfHours[0].score, 65); // 50..79
    EXPECT_EQ(halfHours[1].score, 85); // 80..89
    // One slot per ten minutes, as the writer keeps them.
    EXPECT_EQ(rowsOnFile(path(), "rollup"), 4);
}

TEST_F(TimelineDatabaseTest, DamagedFileIsMovedAsideWithOneLineAndANewOneStarted) {
    writeGarbage(path(), 'x', 8192);
    testing::internal::CaptureStdout();
    OpenTimeline timeline(path(), clock);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(timeline.database.isOpen());
    EXPECT_EQ(lineCount(output), 1) << output;
    EXPECT_NE(output.find("history.sqlite.corrupt"), std::string::npos) << output;

    EXPECT_EQ(contents(path() + ".corrupt"), QByteArray(8192, 'x'));
    EXPECT_TRUE(timeline.writer.append(sampleAt(clock.now(), 70)));
    EXPECT_EQ(all(timeline).size(), 1u);
}

TEST_F(TimelineDatabaseTest, EveryDamagedCopyIsKept) {
    for (const char fill : {'x', 'y', 'z'}) {
        writeGarbage(path(), fill, 4096);
        testing::internal::CaptureStdout();
        TimelineDatabase database(path(), clock);
        testing::internal::GetCapturedStdout();
        EXPECT_TRUE(database.isOpen());
    }
    EXPECT_EQ(contents(path() + ".corrupt"), QByteArray(4096, 'x'));
    EXPECT_EQ(contents(path() + ".corrupt.2"), QByteArray(4096, 'y'));
    EXPECT_EQ(contents(path() + ".corrupt.3"), QByteArray(4096, 'z'));
}

TEST_F(TimelineDatabaseTest, NegativeLayoutVersionIsDamageAndMovedAside) {
    fill(3);
    for (const char* version : {"-1", "-2147483648"}) {
        onFile(path(), {QStringLiteral("PRAGMA user_version = %1").arg(version)});
        testing::internal::CaptureStdout();
        OpenTimeline timeline(path(), clock);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_TRUE(timeline.database.isOpen()) << version;
        EXPECT_TRUE(all(timeline).empty()) << version;
        EXPECT_EQ(lineCount(output), 1) << output;
        EXPECT_TRUE(timeline.writer.append(sampleAt(clock.now(), 70)));
        EXPECT_EQ(onFile(path(), {"PRAGMA user_version"}).toInt(), TimelineDatabase::schemaVersion);
    }
    EXPECT_EQ(rowsOnFile(path() + ".corrupt"), 3);
    EXPECT_EQ(rowsOnFile(path() + ".corrupt.2"), 1);
}

TEST_F(TimelineDatabaseTest, NewerLayoutIsNotTouchedAtAll) {
    fill(2);
    // As a later version might leave it: rollback journal, a higher layout number.
    onFile(path(), {"PRAGMA journal_mode = DELETE",
                    QStringLiteral("PRAGMA user_version = %1").arg(TimelineDatabase::schemaVersion + 1)});
    const QByteArray before = contents(path());
    ASSERT_EQ(before.at(18), 1); // the header's "rollback journal" mark
    testing::internal::CaptureStdout();
    OpenTimeline timeline(path(), clock);
    EXPECT_FALSE(timeline.writer.append(sampleAt(clock.now(), 80)));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(timeline.database.state(), TimelineDatabase::State::off);
    EXPECT_EQ(lineCount(output), 1) << output;
    EXPECT_EQ(contents(path()), before);
    EXPECT_FALSE(QFile::exists(path() + "-wal"));
    EXPECT_FALSE(QFile::exists(path() + ".corrupt"));
}

TEST_F(TimelineDatabaseTest, FileThatCannotBeOpenedIsLeftAloneAndHistoryIsOffForTheRun) {
    fill(100);
    const QByteArray before = contents(path());
    QFile::setPermissions(path(), {});
    {
        const FilePermissionsBind bind;
        testing::internal::CaptureStdout();
        TimelineDatabase database(path(), clock);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(database.state(), TimelineDatabase::State::off);
        EXPECT_EQ(lineCount(output), 1) << output;
        EXPECT_NE(output.find("history.sqlite"), std::string::npos) << output;
    }
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(path() + ".corrupt"));
    EXPECT_EQ(contents(path()), before);
    EXPECT_EQ(rowsOnFile(path()), 100);
}

TEST_F(TimelineDatabaseTest, ReadOnlyFolderKeepsRunning) {
    QDir().mkpath(dir.filePath("linkmeter"));
    QFile::setPermissions(dir.filePath("linkmeter"), QFile::ReadOwner | QFile::ExeOwner);
    {
        const FilePermissionsBind bind;
        testing::internal::CaptureStdout();
        OpenTimeline timeline(path(), clock);
        EXPECT_EQ(lineCount(testing::internal::GetCapturedStdout()), 1);
        EXPECT_FALSE(timeline.database.isOpen());
        EXPECT_FALSE(timeline.writer.append(sampleAt(clock.now(), 50)));
        EXPECT_TRUE(all(timeline).empty());
    }
    QFile::setPermissions(dir.filePath("linkmeter"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(TimelineDatabaseTest, TwoProgramsOpeningOneNewFileAtOnceBothGetIt) {
    // The layout as this program makes it, to be written by "another program" in its own transaction.
    const QString model = dir.filePath("model.sqlite");
    { TimelineDatabase database(model, clock); }
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
    schema << QStringLiteral("PRAGMA user_version = %1").arg(TimelineDatabase::schemaVersion);

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
    OpenTimeline timeline(path(), clock);
    const std::string output = testing::internal::GetCapturedStdout();
    other.join();
    EXPECT_TRUE(timeline.database.isOpen()) << output;
    EXPECT_EQ(output, "");
    EXPECT_TRUE(timeline.writer.append(sampleAt(clock.now(), 90)));
    EXPECT_EQ(rowsOnFile(path()), 1);
}
