#include "system/qt/SettingsPreferencesStore.h"

#include "support/FilePermissions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace {

class SettingsPreferencesStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("linkmeter.conf");

    void writeFile(const QByteArray& contents) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QByteArray fileContents(const QString& name) const {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SettingsPreferencesStoreTest, FreshStoreAnswersAbsentAndCreatesNothing) {
    SettingsPreferencesStore store(path);
    for (const QString key : {"pingInterval", "networkMemory", "lastUpdateCheck", "hasCompletedOnboarding"}) {
        EXPECT_FALSE(store.contains(key));
        EXPECT_FALSE(store.readDouble(key));
        EXPECT_FALSE(store.readInteger(key));
        EXPECT_FALSE(store.readText(key));
        EXPECT_FALSE(store.readBool(key));
        EXPECT_FALSE(store.readDate(key));
        EXPECT_FALSE(store.readData(key));
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(SettingsPreferencesStoreTest, EveryTypeSurvivesARestart) {
    const QDateTime checked = QDateTime::fromString("2025-03-04T05:06:07.089+02:00", Qt::ISODateWithMs);
    const QByteArray memory("{\"Home\":[1,2]}\0\xff", 16);
    const QString tricky = "a, b; c = d \"q\" @ByteArray(x)\nline";
    {
        SettingsPreferencesStore store(path);
        store.writeDouble("pingInterval", 0.1);
        store.writeInteger("big", std::numeric_limits<std::int64_t>::min());
        store.writeText("pingTarget", tricky);
        store.writeBool("compactMode", true);
        store.writeDate("lastUpdateCheck", checked);
        store.writeData("networkMemory", memory);
        // Written at once, not when the store goes away.
        EXPECT_TRUE(fileContents(path).contains("lastUpdateCheck"));
    }
    SettingsPreferencesStore store(path);
    EXPECT_EQ(store.readDouble("pingInterval"), 0.1);
    EXPECT_EQ(store.readInteger("big"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(store.readText("pingTarget"), tricky);
    EXPECT_EQ(store.readBool("compactMode"), true);
    ASSERT_TRUE(store.readDate("lastUpdateCheck"));
    EXPECT_EQ(*store.readDate("lastUpdateCheck"), checked);
    EXPECT_EQ(store.readData("networkMemory"), memory);
}

TEST_F(SettingsPreferencesStoreTest, StoredTextIsJudgedForEachType) {
    writeFile("[General]\n"
              "word=abc\n"
              "nan=nan\n"
              "inf=inf\n"
              "half=2.5\n"
              "whole=42\n"
              "flag=TRUE\n"
              "yes=yes\n"
              "day=2025-01-02T03:04:05Z\n"
              "blob=@ByteArray(xyz)\n"
              "list=a, b\n");
    SettingsPreferencesStore store(path);
    EXPECT_FALSE(store.readDouble("word"));
    EXPECT_FALSE(store.readDouble("nan"));
    EXPECT_FALSE(store.readDouble("inf"));
    EXPECT_EQ(store.readDouble("half"), 2.5);
    EXPECT_FALSE(store.readInteger("half"));
    EXPECT_EQ(store.readInteger("whole"), 42);
    EXPECT_EQ(store.readDouble("whole"), 42.0);
    EXPECT_EQ(store.readText("whole"), "42");
    EXPECT_EQ(store.readBool("flag"), true);
    EXPECT_FALSE(store.readBool("yes"));
    EXPECT_FALSE(store.readBool("whole"));
    EXPECT_FALSE(store.readDate("word"));
    EXPECT_EQ(store.readDate("day"), QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), Qt::UTC));
    EXPECT_FALSE(store.readText("blob"));
    EXPECT_EQ(store.readData("blob"), QByteArray("xyz"));
    EXPECT_FALSE(store.readData("word"));
    EXPECT_FALSE(store.readText("list"));
}

TEST_F(SettingsPreferencesStoreTest, GarbageFileIsKeptAsideBeforeTheFirstWrite) {
    const QByteArray garbage("\x01\x02\xff\xfe no keys here\n[[[\n", 22);
    writeFile(garbage);
    SettingsPreferencesStore store(path);
    EXPECT_FALSE(store.readText("pingTarget"));
    store.writeText("pingTarget", "9.9.9.9");
    EXPECT_EQ(fileContents(path + ".corrupt"), garbage);
    EXPECT_EQ(SettingsPreferencesStore(path).readText("pingTarget"), "9.9.9.9");
}

TEST_F(SettingsPreferencesStoreTest, BadLineDoesNotCostTheGoodKeys) {
    writeFile("[General]\npingTarget=8.8.4.4\nthis line is not a setting\nshowTips=false\n");
    {
        SettingsPreferencesStore store(path);
        EXPECT_EQ(store.readText("pingTarget"), "8.8.4.4");
        EXPECT_EQ(store.readBool("showTips"), false);
        store.writeInteger("latencyWarningThreshold", 70);
    }
    SettingsPreferencesStore store(path);
    EXPECT_EQ(store.readText("pingTarget"), "8.8.4.4");
    EXPECT_EQ(store.readBool("showTips"), false);
    EXPECT_EQ(store.readInteger("latencyWarningThreshold"), 70);
}

TEST_F(SettingsPreferencesStoreTest, UnreadableFileIsNeverReplaced) {
    // A folder where the file should be cannot be read by anyone, root included.
    ASSERT_TRUE(QDir().mkpath(path));
    QFile(path + "/keep").open(QIODevice::WriteOnly);
    SettingsPreferencesStore store(path);
    testing::internal::CaptureStdout();
    store.writeBool("compactMode", true);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output.rfind("Failed to save preferences: ", 0), 0u) << output;
    EXPECT_EQ(store.readBool("compactMode"), true); // still seen for the rest of this run
    EXPECT_TRUE(QFile::exists(path + "/keep"));
}

TEST_F(SettingsPreferencesStoreTest, FileWithoutReadPermissionIsNeverReplaced) {
    writeFile("[General]\npingTarget=8.8.4.4\n");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    {
        const FilePermissionsBind bind;
        SettingsPreferencesStore store(path);
        testing::internal::CaptureStdout();
        store.writeBool("compactMode", true);
        EXPECT_FALSE(testing::internal::GetCapturedStdout().empty());
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(fileContents(path), "[General]\npingTarget=8.8.4.4\n");
}

TEST_F(SettingsPreferencesStoreTest, EachSaveIsJudgedOnItsOwn) {
    writeFile("[General]\npingTarget=8.8.4.4\n");
    SettingsPreferencesStore store(path);
    const auto savedLines = [&](auto write) {
        testing::internal::CaptureStdout();
        write();
        const std::string output = testing::internal::GetCapturedStdout();
        return std::count(output.begin(), output.end(), '\n');
    };
    // The folder cannot take the new file for a while.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        const FilePermissionsBind bind;
        EXPECT_EQ(savedLines([&] { store.writeBool("compactMode", true); }), 1);
    }
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(savedLines([&] { store.writeBool("showTips", false); }), 0);
    EXPECT_EQ(savedLines([&] { store.writeText("pingTarget", "9.9.9.9"); }), 0);

    SettingsPreferencesStore reread(path);
    EXPECT_EQ(reread.readBool("compactMode"), true);
    EXPECT_EQ(reread.readBool("showTips"), false);
    EXPECT_EQ(reread.readText("pingTarget"), "9.9.9.9");
}

} // namespace

// Found by fuzzing: a stored list that claims about a billion elements makes Qt ask for tens of
// gigabytes while loading the file. The allocation is refused and the store must carry on, reading
// the rest of the file.
TEST_F(SettingsPreferencesStoreTest, AValueClaimingAHugeLengthDoesNotTakeTheStoreDown) {
    writeFile("[General]\nnetworkMemory=@Variant(\\0\\0\\0\\tC{})\npingInterval=2\n");
    SettingsPreferencesStore store(path);
    EXPECT_FALSE(store.readData("networkMemory"));
    EXPECT_FALSE(store.readText("networkMemory"));
    EXPECT_EQ(store.readDouble("pingInterval"), 2.0);
}
