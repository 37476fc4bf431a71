#include "reports/UpdateService.h"

#include "core/BuildInfo.h"
#include "core/ContinueOn.h"
#include "core/Log.h"
#include "core/ProgramLocation.h"
#include "platform/ApplicationControl.h"
#include "platform/Clock.h"
#include "platform/FileRevealer.h"
#include "platform/HttpClient.h"
#include "platform/PackageInspector.h"
#include "platform/PreferencesStore.h"
#include "reports/UpdateDownloader.h"
#include "reports/UpdateSchedule.h"
#include "reports/VersionComparison.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QStandardPaths>
#include <QTimer>
#include <QtConcurrent>

#include <chrono>
#include <memory>

namespace {

const QString kUpdateInformationNotAvailable = QStringLiteral("Update information not available");
constexpr std::string_view kCheckFailedPrefix = "Update check failed: ";
constexpr std::string_view kRelaunchFailedPrefix = "Failed to relaunch: ";
constexpr auto kQuitDelay = std::chrono::milliseconds(500);

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::int64_t millisecondsSinceEpoch(TimePoint t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

// The version goes into a file name; whatever the manifest says, it must not leave the folder.
QString fileNameSafe(const std::string& text) {
    QString safe;
    for (const QChar c : fromStd(text)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                           c == u'.' || c == u'-' || c == u'_' || c == u'+' || c == u'~';
        safe += plain ? c : u'_';
    }
    return safe;
}

} // namespace

UpdateService::UpdateService(HttpClient& http, PreferencesStore& store, const Clock& clock,
                             const PackageInspector& inspector, FileRevealer& revealer,
                             ApplicationControl& application, QObject* parent)
    : UpdateService(http, store, clock, inspector, revealer, application, Setup{}, parent) {}

UpdateService::UpdateService(HttpClient& http, PreferencesStore& store, const Clock& clock,
                             const PackageInspector& inspector, FileRevealer& revealer,
                             ApplicationControl& application, Setup setup, QObject* parent)
    : QObject(parent), m_http(http), m_store(store), m_clock(clock), m_revealer(revealer),
      m_application(application), m_setup(std::move(setup)),
      m_versionURL(m_setup.versionURL.value_or(QUrl(QString::fromLatin1(build_info::updateManifestURL)))),
      m_verifier(inspector, releaseKeyFromHex(m_setup.releaseKey.value_or(build_info::updatePublicKey))),
      m_downloader(new UpdateDownloader(http, m_setup.maxPackageBytes, this)) {
    if (m_setup.runningVersion.empty())
        m_setup.runningVersion = build_info::version;
    if (m_setup.runningBuild.empty())
        m_setup.runningBuild = build_info::buildNumber;
    if (m_setup.installedProgram.isEmpty())
        m_setup.installedProgram = QString::fromLatin1(build_info::installedProgram);
    // Package checks are rare and short; one at a time is plenty.
    m_pool.setMaxThreadCount(1);
}

UpdateService::~UpdateService() {
    m_pool.waitForDone();
}

QUrl UpdateService::signatureURL() const {
    QUrl url = m_versionURL;
    url.setPath(url.path() + QStringLiteral(".sig"));
    return url;
}

QFuture<void> UpdateService::checkForUpdates(bool force) {
    if (!checksForUpdates())
        return QtFuture::makeReadyFuture();
    std::optional<TimePoint> lastCheck;
    if (const auto last = m_store.readDate(QString::fromLatin1(lastCheckKey)))
        lastCheck = TimePoint(std::chrono::milliseconds(last->toMSecsSinceEpoch()));
    const auto interval = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::duration<double, std::ratio<3600>>(checkIntervalHours));
    if (!updateCheckDue(lastCheck, m_clock.now(), force, interval))
        return QtFuture::makeReadyFuture();
    // Finished when the outcome is published; dropped steps (the service gone) cancel it.
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    QFuture<void> check = done->future();
    continueOn(this, m_http.get(m_versionURL), [this, done](const HttpResult& manifest) {
        if (manifest.error) {
            logFailure(kCheckFailedPrefix, manifest.error->toStdString());
            done->finish();
            return;
        }
        continueOn(this, m_http.get(signatureURL()), [this, done, manifest](const HttpResult& signature) {
            evaluateManifest(manifest, signature);
            done->finish();
        });
    });
    return check;
}

void UpdateService::evaluateManifest(const HttpResult& manifest, const HttpResult& signature) {
    const std::string_view bytes(manifest.body.constData(), std::size_t(manifest.body.size()));
    // Nothing of the manifest is read before it is known to come from whoever holds the release key:
    // anyone who can answer for the feed's address could otherwise point every copy at their package.
    std::optional<std::string_view> signatureBytes;
    if (!signature.error)
        signatureBytes.emplace(signature.body.constData(), std::size_t(signature.body.size()));
    if (const auto problem = m_verifier.manifestProblem(bytes, signatureBytes)) {
        logFailure(kCheckFailedPrefix, *problem);
        return;
    }
    VersionInfo info;
    try {
        info = decodeVersionInfo(bytes);
    } catch (const std::exception& error) {
        logFailure(kCheckFailedPrefix, error.what());
        return;
    }
    m_store.writeDate(QString::fromLatin1(lastCheckKey),
                      QDateTime::fromMSecsSinceEpoch(millisecondsSinceEpoch(m_clock.now()), Qt::UTC));

    if (!isNewerRelease(info, m_setup.runningVersion, buildNumberOf(m_setup.runningBuild)))
        return;
    m_latestVersionInfo = info;
    m_latestVersion = fromStd(info.version);
    emit latestVersionChanged(m_latestVersion);
    m_releaseNotes = fromStd(info.releaseNotes);
    emit releaseNotesChanged(m_releaseNotes);
    setUpdateAvailable(true);
}

QString UpdateService::destinationFor(const std::string& version) const {
    QString folder = m_setup.downloadFolder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QDir::homePath();
    }
    return QDir(folder).filePath(QStringLiteral("Linkmeter-") + fileNameSafe(version) +
                                 QStringLiteral(".deb"));
}

QFuture<void> UpdateService::downloadUpdate() {
    const QUrl url =
        m_latestVersionInfo ? QUrl(fromStd(m_latestVersionInfo->dmgURL), QUrl::StrictMode) : QUrl();
    if (!m_latestVersionInfo || !UpdateDownloader::accepts(url)) {
        setDownloadError(kUpdateInformationNotAvailable);
        return QtFuture::makeReadyFuture();
    }
    setIsDownloading(true);
    setDownloadProgress(0.0, 0);
    setDownloadError(std::nullopt);
    setUpdateReady(false);

    const QString destination = destinationFor(m_latestVersionInfo->version);
    QFile::remove(destination);

    // Finished when the sequence ends; dropped steps (the service gone) cancel it.
    auto done = std::make_shared<QPromise<void>>();
    done->start();
    QFuture<void> sequence = done->future();

    const auto progress = [this](qint64 received, qint64 expected) {
        // Published only when the whole percentage changes, not once a piece.
        const int percent = int(received * 100 / expected);
        if (percent != m_publishedPercent)
            setDownloadProgress(double(received) / double(expected), percent);
    };
    const std::string signedSha256 = m_latestVersionInfo->sha256;
    continueOn(this, m_downloader->download(url, progress),
               [this, destination, done, signedSha256](const UpdateDownloader::Result& download) {
                   const std::optional<QString> problem =
                       download.file ? m_verifier.downloadProblem(download.sha256, signedSha256)
                                     : download.error;
                   if (problem) {
                       // A package other than the one the signed manifest names is not kept anywhere.
                       if (download.file)
                           QFile::remove(*download.file);
                       fail(*problem);
                       done->finish();
                       return;
                   }
                   QFile downloaded(*download.file);
                   if (!downloaded.rename(destination)) {
                       const QString why = downloaded.errorString();
                       downloaded.remove();
                       fail(QStringLiteral("Could not move the download to %1: %2").arg(destination, why));
                       done->finish();
                       return;
                   }
                   auto checked = QtConcurrent::run(&m_pool, [this, destination]() -> std::optional<QString> {
                       try {
                           m_verifier.checkPackage(destination);
                           m_verifier.findAppInPackage(destination);
                           return std::nullopt;
                       } catch (const std::exception& error) {
                           return QString::fromUtf8(error.what());
                       }
                   });
                   continueOn(this, std::move(checked),
                              [this, destination, done](const std::optional<QString>& problem) {
                                  if (problem) {
                                      fail(*problem);
                                  } else {
                                      m_revealer.reveal(destination);
                                      setIsDownloading(false);
                                      setUpdateReady(true);
                                  }
                                  done->finish();
                              });
               });
    return sequence;
}

void UpdateService::relaunchApp() {
    const QString target = installedOrRunningProgram(m_setup.installedProgram, m_setup.runningProgram);
    if (const auto error = m_application.startDetached(target)) {
        logFailure(kRelaunchFailedPrefix, error->toStdString());
        return;
    }
    QTimer::singleShot(kQuitDelay, this, [this] { m_application.quit(); });
}

void UpdateService::fail(const QString& description) {
    setIsDownloading(false);
    setDownloadError(description);
}

void UpdateService::setUpdateAvailable(bool available) {
    m_updateAvailable = available;
    emit updateAvailableChanged(m_updateAvailable);
}

void UpdateService::setDownloadProgress(double progress, int percent) {
    m_downloadProgress = progress;
    m_publishedPercent = percent;
    emit downloadProgressChanged(m_downloadProgress);
}

void UpdateService::setIsDownloading(bool downloading) {
    m_isDownloading = downloading;
    emit isDownloadingChanged(m_isDownloading);
}

void UpdateService::setDownloadError(std::optional<QString> error) {
    m_downloadError = std::move(error);
    emit downloadErrorChanged(m_downloadError);
}

void UpdateService::setUpdateReady(bool ready) {
    m_updateReady = ready;
    emit updateReadyChanged(m_updateReady);
}
