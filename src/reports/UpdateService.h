#pragma once

#include "reports/PackageVerifier.h"
#include "reports/VersionInfo.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUrl>

#include <optional>
#include <string>

class ApplicationControl;
class Clock;
class FileRevealer;
class HttpClient;
struct HttpResult;
class PackageInspector;
class PreferencesStore;
class UpdateDownloader;

// Keeps the program current: reads the update server's manifest when a check is due, and on request
// downloads the newer release's Debian package, has it verified, shows it in the file manager and
// later restarts the program. Publishes each step for the update banner. All state is written on the
// main thread.
class UpdateService final : public QObject {
    Q_OBJECT

public:
    // What the service needs to know about the world; the program uses the defaults, tests their own.
    struct Setup {
        // None: the build's feed address. An empty address (the default build's) means no checks at
        // all: updates come with the package manager.
        std::optional<QUrl> versionURL;
        std::optional<std::string> releaseKey; // hexadecimal Ed25519 public key; none: the build's
        std::string runningVersion;            // empty: this build's version
        std::string runningBuild; // empty: this build's number (text, as a release would carry it)
        QString installedProgram; // empty: where the package installs the program
        QString runningProgram;   // empty: this process's executable
        QString downloadFolder;   // empty: the user's Downloads folder, else the home folder
        qint64 maxPackageBytes = 512LL * 1024 * 1024;
    };

    static constexpr double checkIntervalHours = 24.0;
    static constexpr const char* lastCheckKey = "lastUpdateCheck";

    UpdateService(HttpClient& http, PreferencesStore& store, const Clock& clock,
                  const PackageInspector& inspector, FileRevealer& revealer, ApplicationControl& application,
                  QObject* parent = nullptr);
    UpdateService(HttpClient& http, PreferencesStore& store, const Clock& clock,
                  const PackageInspector& inspector, FileRevealer& revealer, ApplicationControl& application,
                  Setup setup, QObject* parent = nullptr);
    ~UpdateService() override;

    bool updateAvailable() const { return m_updateAvailable; }
    const QString& latestVersion() const { return m_latestVersion; }
    const QString& releaseNotes() const { return m_releaseNotes; }
    double downloadProgress() const { return m_downloadProgress; }
    bool isDownloading() const { return m_isDownloading; }
    const std::optional<QString>& downloadError() const { return m_downloadError; }
    bool updateReady() const { return m_updateReady; }
    const QUrl& versionURL() const { return m_versionURL; }
    // Where the manifest's signature is: the manifest's address with ".sig" added.
    QUrl signatureURL() const;
    // Whether this build has an update feed at all.
    bool checksForUpdates() const { return !m_versionURL.isEmpty(); }
    const std::optional<VersionInfo>& latestVersionInfo() const { return m_latestVersionInfo; }

    // Dismissing the offer sets this to false; the next check that finds the release offers it again.
    void setUpdateAvailable(bool available);

    // Fetches the manifest and its signature unless `force` is false and the last successful check is
    // less than 24 hours old, or the build has no feed. Completes when the outcome is published.
    QFuture<void> checkForUpdates(bool force);
    // Downloads, checks and shows the newer release's package. Completes when the sequence ends,
    // with `updateReady` or `downloadError` set.
    QFuture<void> downloadUpdate();
    // Starts the program anew and quits this one half a second later.
    void relaunchApp();

    // Where a download of `version` is saved: "Linkmeter-<version>.deb" in the download folder.
    QString destinationFor(const std::string& version) const;

signals:
    void updateAvailableChanged(bool available);
    void latestVersionChanged(const QString& version);
    void releaseNotesChanged(const QString& notes);
    void downloadProgressChanged(double progress);
    void isDownloadingChanged(bool downloading);
    void downloadErrorChanged(const std::optional<QString>& error);
    void updateReadyChanged(bool ready);

private:
    void evaluateManifest(const HttpResult& manifest, const HttpResult& signature);
    void fail(const QString& description);
    void setDownloadProgress(double progress, int percent);
    void setIsDownloading(bool downloading);
    void setDownloadError(std::optional<QString> error);
    void setUpdateReady(bool ready);

    HttpClient& m_http;
    PreferencesStore& m_store;
    const Clock& m_clock;
    FileRevealer& m_revealer;
    ApplicationControl& m_application;
    Setup m_setup;

    bool m_updateAvailable = false;
    QString m_latestVersion;
    QString m_releaseNotes;
    double m_downloadProgress = 0.0;
    bool m_isDownloading = false;
    std::optional<QString> m_downloadError;
    bool m_updateReady = false;
    const QUrl m_versionURL;
    std::optional<VersionInfo> m_latestVersionInfo;
    const PackageVerifier m_verifier;
    UpdateDownloader* m_downloader = nullptr;

    // The whole percentage last published, kept as a number: 0.29 * 100 truncates to 28.
    int m_publishedPercent = 0;

    // Own pool, declared last: destroyed first, it waits for package checks still using the verifier.
    QThreadPool m_pool;
};
