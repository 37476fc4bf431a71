#pragma once

#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <string>

// What the timeline tests share: rows to write, a file opened as the program opens it, and a look at
// the file through a connection of its own.

inline TimelineSample sampleAt(TimePoint time, int score, std::optional<double> latency = 20.0) {
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

// The file with its writer and its reads, made in the order the program makes them.
struct OpenTimeline {
    OpenTimeline(const QString& path, const Clock& clock)
        : database(path, clock), writer(database, clock), queries(database) {}

    std::vector<TimelineSample> rows(TimePoint until) const {
        return queries.samples(TimePoint{}, until, std::chrono::minutes(1));
    }

    TimelineDatabase database;
    TimelineWriter writer;
    TimelineQueries queries;
};

// Runs statements on a file through a connection of its own, as another program would; answers the
// first value of the last statement that gave one.
inline QVariant onFile(const QString& path, const QStringList& statements) {
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

inline int rowsOnFile(const QString& path, const QString& table = QStringLiteral("samples")) {
    return onFile(path, {QStringLiteral("SELECT COUNT(*) FROM ") + table}).toInt();
}

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class TimelineTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ManualClock clock;
    QString path() const { return dir.filePath("linkmeter/history.sqlite"); }
    std::vector<TimelineSample> all(const OpenTimeline& timeline) const {
        return timeline.rows(clock.now() + std::chrono::hours(1));
    }
    // A file of `rows` samples a minute apart, ending now.
    void fill(int rows) {
        OpenTimeline timeline(path(), clock);
        ASSERT_TRUE(timeline.database.isOpen());
        for (int i = rows; i > 0; --i)
            ASSERT_TRUE(timeline.writer.append(sampleAt(clock.now() - i * std::chrono::minutes(1), 50)));
    }
};
