#include "reports/UpdateService.h"
#include "support/FakeHttpClient.h"
#include "support/LocalHttpServer.h"
#include "support/ManualClock.h"
#include "support/MemoryPreferencesStore.h"
#include "support/PlatformFakes.h"
#include "support/PrivateBus.h"
#include "support/TestReleaseKey.h"
#include "support/TestUtil.h"
#include "support/UpdateFakes.h"
#include "system/linux/DpkgPackageInspector.h"
#include "system/linux/FileManagerRevealer.h"
#include "system/qt/NetworkHttpClient.h"
#include "system/qt/ProcessCommandRunner.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace std::chrono_literals;
using Reply = LocalHttpServer::Reply;

namespace {

// Stands in for the desktop's file manager and keeps what it was asked to show.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    std::vector<QStringList> shown;

public slots:
    void ShowItems(const QStringList& uris, const QString&) { shown.push_back(uris); }
};

const std::string kAnyDigest(64, '0');

std::string sha256Of(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

QByteArray manifest(const std::string& version, int build, const QUrl& package, bool withMinOS = true,
                    const std::string& sha256 = kAnyDigest) {
    nlohmann::json json{{"version", version},
                        {"build", build},
                        {"dmgURL", package.toString().toStdString()},
                        {"sha256", sha256},
                        {"releaseNotes", "Steadier pings"}};
    if (withMinOS)
        json["minOS"] = "12";
    return QByteArray::fromStdString(json.dump());
}

bool writeFile(const QString& path, const QByteArray& contents, QFile::Permissions permissions) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(contents) == contents.size() && file.setPermissions(permissions);
}

// Builds a Debian package in `folder` with dpkg-deb and answers its bytes. With `withProgram` it
// installs usr/bin/linkmeter, otherwise only a text file; `padding` bytes of noise make it large
// enough to arrive in several pieces.
QByteArray buildPackage(const QString& folder, bool withProgram, int padding = 0) {
    const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto rwx = rw | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const QString root = folder + "/root";
    bool ok = writeFile(root + "/DEBIAN/control",
                        "Package: linkmeter\nVersion: 1.2.1\nArchitecture: all\n"
                        "Maintainer: Tests <tests@example.test>\nDescription: test build\n",
                        rw) &&
              QFile::setPermissions(root + "/DEBIAN", rwx | QFile::WriteOwner);
    if (withProgram)
        ok = ok && writeFile(root + "/usr/bin/linkmeter", "#!/bin/sh\n", rwx);
    else
        ok = ok && writeFile(root + "/usr/share/doc/linkmeter/README", "not the program\n", rw);
    QByteArray noise(padding, '\0');
    for (char& byte : noise)
        byte = char(QRandomGenerator::global()->generate());
    ok = ok && writeFile(root + "/usr/share/linkmeter/padding", noise, rw);
    EXPECT_TRUE(ok);

    QProcess dpkg;
    dpkg.start("/usr/bin/dpkg-deb", {"--root-owner-group", "-Znone", "--build", root, folder + "/out.deb"});
    EXPECT_TRUE(dpkg.waitForFinished(30000) && dpkg.exitCode() == 0)
        << dpkg.readAllStandardError().toStdString();
    QFile out(folder + "/out.deb");
    return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
}

template <typename T> T waitFor(QFuture<T> future) {
    EXPECT_TRUE(waitUntil([&] { return future.isFinished(); }, 20s));
    if constexpr (!std::is_void_v<T>)
        return future.result();
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toHex()) : QString();
}

// The whole sequence against a loopback server, with the real package tool and a fake file manager
// on a private bus.
class UpdateServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(bus.address.isEmpty()) << "dbus-daemon did not start";
        static int serial = 0;
        const QString suffix = QString::number(++serial);
        client = QDBusConnection::connectToBus(bus.address, "update-client" + suffix);
        serverBus = QDBusConnection::connectToBus(bus.address, "update-server" + suffix);
        ASSERT_TRUE(serverBus.registerObject(FileManagerRevealer::objectPath, &fileManager,
                                             QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(serverBus.registerService(FileManagerRevealer::serviceName));
        revealer = std::make_unique<FileManagerRevealer>(client, folderOpener);
        // Temporary downloads land here, where the test can watch them.
        savedTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temporary.path().toUtf8());
        makeService();
    }
    void TearDown() override {
        service.reset();
        revealer.reset();
        qputenv("TMPDIR", savedTemp);
        QDBusConnection::disconnectFromBus(client.name());
        QDBusConnection::disconnectFromBus(serverBus.name());
    }

    void makeService(std::string runningBuild = "7", qint64 maxPackageBytes = 512LL * 1024 * 1024) {
        UpdateService::Setup setup;
        setup.versionURL = server.url("/version.json");
        setup.releaseKey = releaseKey.publicHex();
        setup.runningVersion = "1.2.0";
        setup.runningBuild = std::move(runningBuild);
        setup.downloadFolder = downloads.path();
        setup.maxPackageBytes = maxPackageBytes;
        service =
            std::make_unique<UpdateService>(http, store, clock, inspector, *revealer, application, setup);
        QObject::connect(service.get(), &UpdateService::downloadProgressChanged, service.get(),
                         [this](double p) { progress.push_back(p); });
    }
    // Serves `bytes` as the manifest with the release key's signature beside it.
    void publish(const QByteArray& bytes, const TestReleaseKey& signer) {
        server.route("/version.json", Reply::answer(200, bytes));
        server.route("/version.json.sig", Reply::answer(200, signer.sign(bytes)));
    }
    void publish(const QByteArray& bytes) { publish(bytes, releaseKey); }
    void offer(const QByteArray& package, bool withLength = true) {
        publish(manifest("1.2.1", 8, server.url("/Linkmeter.deb"), true, sha256Of(package)));
        Reply reply = Reply::answer(200, package);
        reply.omitContentLength = !withLength;
        server.route("/Linkmeter.deb", reply);
        waitFor(service->checkForUpdates(true));
        ASSERT_TRUE(service->updateAvailable());
    }
    QString destination() const { return downloads.filePath("Linkmeter-1.2.1.deb"); }
    QStringList temporaryFiles() const { return QDir(temporary.path()).entryList(QDir::Files); }

    TestReleaseKey releaseKey;
    PrivateBus bus;
    QDBusConnection client{QString()};
    QDBusConnection serverBus{QString()};
    FakeFileManager fileManager;
    RecordingUrlOpener folderOpener;
    std::unique_ptr<FileManagerRevealer> revealer;
    LocalHttpServer server;
    NetworkHttpClient http;
    MemoryPreferencesStore store;
    ManualClock clock;
    ProcessCommandRunner runner;
    DpkgPackageInspector inspector{runner};
    FakeApplicationControl application;
    QTemporaryDir downloads;
    QTemporaryDir temporary;
    QTemporaryDir work;
    QByteArray savedTemp;
    std::unique_ptr<UpdateService> service;
    std::vector<double> progress;
};

} // namespace

TEST_F(UpdateServiceTest, UnforcedChecksWaitADayAfterTheLastSuccess) {
    publish(manifest("1.2.1", 8, server.url("/Linkmeter.deb")));
    std::vector<std::string> published;
    QObject::connect(service.get(), &UpdateService::latestVersionChanged, service.get(),
                     [&](const QString& v) { published.push_back("version " + v.toStdString()); });
    QObject::connect(service.get(), &UpdateService::releaseNotesChanged, service.get(),
                     [&](const QString& n) { published.push_back("notes " + n.toStdString()); });
    QObject::connect(service.get(), &UpdateService::updateAvailableChanged, service.get(),
                     [&](bool a) { published.push_back(a ? "available" : "not available"); });

    waitFor(service->checkForUpdates(false));
    EXPECT_EQ(published, (std::vector<std::string>{"version 1.2.1", "notes Steadier pings", "available"}));
    EXPECT_EQ(service->latestVersionInfo()->build, 8);
    EXPECT_EQ(store.readDate("lastUpdateCheck"), QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC));

    clock.advance(23h);
    waitFor(service->checkForUpdates(false));
    EXPECT_EQ(server.requests("/version.json").size(), 1);
    clock.advance(1h);
    waitFor(service->checkForUpdates(false));
    EXPECT_EQ(server.requests("/version.json").size(), 2);
    clock.advance(1min);
    waitFor(service->checkForUpdates(true));
    EXPECT_EQ(server.requests("/version.json").size(), 3);
}

TEST_F(UpdateServiceTest, FailedChecksChangeNothingAndStoreNoDate) {
    publish(manifest("9.0", 99, server.url("/x.deb"), false));
    testing::internal::CaptureStdout();
    waitFor(service->checkForUpdates(false));
    publish("<html>Not Found</html>");
    waitFor(service->checkForUpdates(false));
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(printed, "Update check failed: The update manifest has no \"minOS\".\n"
                       "Update check failed: The update manifest is not valid JSON.\n");
    EXPECT_EQ(server.requests("/version.json").size(), 2) << "no date was stored, so the second check ran";
    EXPECT_FALSE(store.contains("lastUpdateCheck"));
    EXPECT_FALSE(service->updateAvailable());
    EXPECT_EQ(service->latestVersion(), "");
    EXPECT_FALSE(service->latestVersionInfo());
}

TEST_F(UpdateServiceTest, ABuildDecidesBeforeTheVersion) {
    struct Case {
        std::string version;
        int build;
        std::string runningBuild;
        bool newer;
    };
    for (const Case& c : {Case{"1.2.0", 8, "7", true}, Case{"1.10", 7, "7", true}, Case{"1.2", 7, "7", false},
                          Case{"2.0-beta", 7, "7", true}, Case{"1.2", 1, "1.2", true}}) {
        makeService(c.runningBuild);
        publish(manifest(c.version, c.build, server.url("/x.deb")));
        waitFor(service->checkForUpdates(true));
        EXPECT_EQ(service->updateAvailable(), c.newer) << c.version << " build " << c.build;
        EXPECT_EQ(service->latestVersion().toStdString(), c.newer ? c.version : "");
    }
}

TEST_F(UpdateServiceTest, DownloadsChecksAndShowsThePackage) {
    const QByteArray package = buildPackage(work.path(), true, 100 * 1024);
    offer(package);
    std::vector<std::string> flags;
    QObject::connect(service.get(), &UpdateService::isDownloadingChanged, service.get(),
                     [&](bool d) { flags.push_back(d ? "downloading" : "not downloading"); });
    QObject::connect(service.get(), &UpdateService::updateReadyChanged, service.get(),
                     [&](bool r) { flags.push_back(r ? "ready" : "not ready"); });

    waitFor(service->downloadUpdate());
    EXPECT_EQ(service->downloadError(), std::nullopt);
    EXPECT_EQ(flags, (std::vector<std::string>{"downloading", "not ready", "not downloading", "ready"}));
    EXPECT_EQ(readFile(destination()), QString::fromLatin1(package.toHex()));
    EXPECT_TRUE(temporaryFiles().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return !fileManager.shown.empty(); }));
    EXPECT_EQ(fileManager.shown[0], QStringList{QUrl::fromLocalFile(destination()).toString()});
    EXPECT_TRUE(folderOpener.opened.empty());

    EXPECT_EQ(progress.front(), 0.0);
    EXPECT_EQ(progress.back(), 1.0);
}

TEST_F(UpdateServiceTest, WithoutALengthProgressStaysAtZero) {
    offer(buildPackage(work.path(), true, 200 * 1024), false);
    waitFor(service->downloadUpdate());
    EXPECT_TRUE(service->updateReady());
    EXPECT_EQ(progress, std::vector<double>{0.0});
}

TEST_F(UpdateServiceTest, WhatIsNotOurPackageEndsWithTheReason) {
    offer(buildPackage(work.path(), false));
    waitFor(service->downloadUpdate());
    EXPECT_EQ(service->downloadError(), "Could not find app in package");
    EXPECT_FALSE(service->isDownloading());
    EXPECT_FALSE(service->updateReady());
    EXPECT_TRUE(service->updateAvailable()) << "the offer stays so the user can try again";
    EXPECT_TRUE(QFile::exists(destination())) << "the download is kept";

    offer("<html>Not Found</html>");
    waitFor(service->downloadUpdate());
    ASSERT_TRUE(service->downloadError());
    EXPECT_TRUE(service->downloadError()->startsWith("Failed to open package: dpkg-deb: error: "))
        << service->downloadError()->toStdString();
    EXPECT_TRUE(fileManager.shown.empty());
}

TEST_F(UpdateServiceTest, ProgressIsPublishedInWholePercentSteps) {
    QByteArray generated(2 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < generated.size(); ++i)
        generated[i] = LocalHttpServer::generatedByte(i);
    publish(manifest("1.2.1", 8, server.url("/Linkmeter.deb"), true, sha256Of(generated)));
    Reply slow = Reply::generated(2 * 1024 * 1024);
    slow.pieceDelay = 20ms;
    server.route("/Linkmeter.deb", slow);
    waitFor(service->checkForUpdates(true));

    waitFor(service->downloadUpdate());
    EXPECT_EQ(QFileInfo(destination()).size(), 2 * 1024 * 1024);
    EXPECT_TRUE(temporaryFiles().isEmpty());

    // Reset to 0, then only whole-percent steps as the pieces come in, ending at the full size.
    ASSERT_GT(progress.size(), 10u);
    EXPECT_LE(progress.size(), 101u);
    EXPECT_EQ(progress.front(), 0.0);
    EXPECT_EQ(progress.back(), 1.0);
    for (std::size_t i = 1; i < progress.size(); ++i)
        EXPECT_GT(int(progress[i] * 100 + 1e-9), int(progress[i - 1] * 100 + 1e-9));
}

TEST_F(UpdateServiceTest, RelaunchStartsTheInstalledProgramElseItself) {
    const QString installed = work.filePath("bin/linkmeter");
    UpdateService::Setup setup;
    setup.installedProgram = installed;
    setup.runningProgram = "/opt/build/linkmeter";
    UpdateService relauncher(http, store, clock, inspector, *revealer, application, setup);

    relauncher.relaunchApp();
    EXPECT_EQ(application.started, std::vector<QString>{"/opt/build/linkmeter"});
    ASSERT_TRUE(writeFile(installed, "#!/bin/sh\n", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    relauncher.relaunchApp();
    EXPECT_EQ(application.started.back(), installed);
    spinFor(100ms);
    EXPECT_EQ(application.quitCalls, 0) << "quits half a second later";
    EXPECT_TRUE(waitUntil([&] { return application.quitCalls == 2; }, 2s));

    application.startFailure = "No such file or directory";
    testing::internal::CaptureStdout();
    relauncher.relaunchApp();
    spinFor(700ms);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to relaunch: No such file or directory\n");
    EXPECT_EQ(application.quitCalls, 2);
}

// A manifest the release key did not sign changes nothing, not even the date of the last check.
TEST_F(UpdateServiceTest, OnlyAManifestSignedWithTheReleaseKeyIsOffered) {
    const QByteArray offered = manifest("1.2.1", 8, server.url("/Linkmeter.deb"));
    const TestReleaseKey stranger;
    publish(offered, stranger);
    testing::internal::CaptureStdout();
    waitFor(service->checkForUpdates(true));
    server.route("/version.json.sig", Reply::answer(404, "<html>Not Found</html>"));
    waitFor(service->checkForUpdates(true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Update check failed: The update manifest's signature does not match the release key.\n"
              "Update check failed: The update manifest is not signed.\n");
    EXPECT_FALSE(service->updateAvailable());
    EXPECT_FALSE(service->latestVersionInfo());
    EXPECT_FALSE(store.contains("lastUpdateCheck"));

    publish(offered);
    waitFor(service->checkForUpdates(true));
    EXPECT_TRUE(service->updateAvailable());
}

TEST_F(UpdateServiceTest, APackageOtherThanTheSignedOneIsNotKept) {
    const QByteArray package = buildPackage(work.path(), true);
    offer(package);
    QByteArray swapped = package;
    swapped[swapped.size() - 1] = char(swapped[swapped.size() - 1] ^ 0x01);
    server.route("/Linkmeter.deb", Reply::answer(200, swapped));

    waitFor(service->downloadUpdate());
    EXPECT_EQ(service->downloadError(), "The download does not match the signed update manifest");
    EXPECT_FALSE(service->updateReady());
    EXPECT_FALSE(QFile::exists(destination()));
    EXPECT_TRUE(temporaryFiles().isEmpty());
    EXPECT_TRUE(fileManager.shown.empty());
}

TEST(UpdateServiceFeed, WithoutAFeedThereIsNoCheckAtAll) {
    FakeHttpClient http;
    MemoryPreferencesStore store;
    ManualClock clock;
    FakePackageInspector inspector;
    RecordingFileRevealer revealer;
    FakeApplicationControl application;
    UpdateService::Setup setup;
    setup.versionURL = QUrl();
    UpdateService service(http, store, clock, inspector, revealer, application, setup);
    EXPECT_FALSE(service.checksForUpdates());
    testing::internal::CaptureStdout();
    waitFor(service.checkForUpdates(true));
    waitFor(service.checkForUpdates(false));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(http.fetched.empty());
    EXPECT_FALSE(store.contains("lastUpdateCheck"));
}

// Only a release fetched over HTTPS (or from this machine) is offered for download.
TEST(UpdateServiceDownloadRule, PackagesComeOverHttpsOnly) {
    FakeHttpClient http;
    MemoryPreferencesStore store;
    ManualClock clock;
    FakePackageInspector inspector;
    RecordingFileRevealer revealer;
    FakeApplicationControl application;
    QTemporaryDir downloads;
    TestReleaseKey key;
    UpdateService::Setup setup;
    setup.versionURL = QUrl("https://updates.example.test/version.json");
    setup.releaseKey = key.publicHex();
    setup.runningVersion = "1.0";
    setup.downloadFolder = downloads.path();
    UpdateService service(http, store, clock, inspector, revealer, application, setup);
    // The downloads below end without a byte.
    const std::string emptyDigest = sha256Of({});

    waitFor(service.downloadUpdate());
    EXPECT_EQ(service.downloadError(), "Update information not available") << "nothing was offered yet";

    http.onGet = key.feed([&] { return manifest("2.0", 9, QUrl("http://updates.example.test/a.deb")); });
    waitFor(service.checkForUpdates(true));
    ASSERT_TRUE(service.updateAvailable());
    waitFor(service.downloadUpdate());
    EXPECT_EQ(service.downloadError(), "Update information not available");
    EXPECT_FALSE(service.isDownloading());
    EXPECT_TRUE(http.downloads.empty());

    const QUrl accepted("https://updates.example.test/Linkmeter.deb");
    http.onGet = key.feed([&] { return manifest("2.0", 9, accepted, true, emptyDigest); });
    waitFor(service.checkForUpdates(true));
    QFuture<void> sequence = service.downloadUpdate();
    ASSERT_EQ(http.downloads.size(), 1u);
    EXPECT_EQ(http.downloads.back()->url, accepted);
    http.downloads.back()->finish();
    waitFor(sequence);
    EXPECT_TRUE(service.updateReady());
    EXPECT_EQ(revealer.revealed.back(), downloads.filePath("Linkmeter-2.0.deb"));
}

#include "UpdateServiceTest.moc"
