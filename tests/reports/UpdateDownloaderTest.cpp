#include "reports/UpdateDownloader.h"

#include "reports/Sha256.h"
#include "support/FakeHttpClient.h"
#include "support/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UpdateDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Temporary downloads land here, where the test can watch them.
        savedTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temporary.path().toUtf8());
    }
    void TearDown() override { qputenv("TMPDIR", savedTemp); }

    UpdateDownloader::Result finished(QFuture<UpdateDownloader::Result> future) {
        EXPECT_TRUE(waitUntil([&] { return future.isFinished(); }));
        return future.result();
    }
    qint64 temporaryBytes() const {
        qint64 bytes = 0;
        for (const QFileInfo& file : QDir(temporary.path()).entryInfoList(QDir::Files))
            bytes += file.size();
        return bytes;
    }
    bool temporaryEmpty() const { return QDir(temporary.path()).isEmpty(QDir::Files); }

    QTemporaryDir temporary;
    QByteArray savedTemp;
    FakeHttpClient http;
    UpdateDownloader downloader{http, 1024 * 1024};
    const QUrl url{"https://updates.example.test/Linkmeter-2.0.deb"};
};

} // namespace

TEST_F(UpdateDownloaderTest, ReleasesComeOverHttpsOrFromThisMachineOnly) {
    for (const char* refused :
         {"http://updates.example.test/Linkmeter.deb", "ftp://updates.example.test/a.deb",
          "file:///tmp/Linkmeter.deb", "https://", "not a url"})
        EXPECT_FALSE(UpdateDownloader::accepts(QUrl(refused))) << refused;
    for (const char* accepted : {"https://updates.example.test/Linkmeter.deb", "http://localhost:8080/a.deb",
                                 "http://[::1]:8080/a.deb", "http://127.0.0.2/a.deb"})
        EXPECT_TRUE(UpdateDownloader::accepts(QUrl(accepted))) << accepted;
}

TEST_F(UpdateDownloaderTest, EachPieceGoesToTheFileAsItArrives) {
    const qint64 piece = 64 * 1024;
    std::vector<std::pair<qint64, qint64>> progress;
    auto future = downloader.download(
        url, [&](qint64 received, qint64 expected) { progress.emplace_back(received, expected); });
    ASSERT_EQ(http.downloads.size(), 1u);
    auto& transfer = *http.downloads.back();
    EXPECT_EQ(transfer.url, url);
    transfer.respond(3 * piece);
    transfer.send(QByteArray(piece, 'a'));
    EXPECT_EQ(temporaryBytes(), piece);
    transfer.send(QByteArray(2 * piece, 'b'));
    transfer.finish();

    const UpdateDownloader::Result result = finished(future);
    ASSERT_TRUE(result.file) << result.error.toStdString();
    QFile file(*result.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, QByteArray(piece, 'a') + QByteArray(2 * piece, 'b'));
    Sha256 digest;
    digest.add(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    EXPECT_EQ(result.sha256, digest.hexDigest());
    EXPECT_EQ(progress, (std::vector<std::pair<qint64, qint64>>{{piece, 3 * piece}, {3 * piece, 3 * piece}}));
}

TEST_F(UpdateDownloaderTest, WhatCannotBeAPackageLeavesNothingBehind) {
    // Announced too large: the transfer stops at once.
    auto announced = downloader.download(url, {});
    http.downloads.back()->respond(2 * 1024 * 1024);
    EXPECT_TRUE(http.downloads.back()->cancelled);
    EXPECT_EQ(finished(announced).error, "The update is larger than 1 MB");

    // Without a length the count of what arrived decides; no progress without a length.
    bool reported = false;
    auto unannounced = downloader.download(url, [&](qint64, qint64) { reported = true; });
    http.downloads.back()->respond(-1);
    for (int i = 0; i < 5 && !http.downloads.back()->cancelled; ++i)
        http.downloads.back()->send(QByteArray(300 * 1024, 'x'));
    EXPECT_TRUE(http.downloads.back()->cancelled);
    const UpdateDownloader::Result tooLarge = finished(unannounced);
    EXPECT_FALSE(tooLarge.file);
    EXPECT_EQ(tooLarge.error, "The update is larger than 1 MB");
    EXPECT_FALSE(reported);

    // A transfer that breaks off.
    auto broken = downloader.download(url, {});
    http.downloads.back()->send(QByteArray(100, 'x'));
    http.downloads.back()->finish(QStringLiteral("The network connection was lost."));
    EXPECT_EQ(finished(broken).error, "The network connection was lost.");
    EXPECT_TRUE(temporaryEmpty());
}
