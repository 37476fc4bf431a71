#include "reports/UpdateService.h"

#include "core/BuildInfo.h"
#include "core/ContinueOn.h"
#include "core/Log.h"
#include "core/ProgramLocation.h"
#include "core/Uuid.h"
#include "platform/ApplicationControl.h"
#include "platform/Clock.h"
#include "platform/FileRevealer.h"
#include "platform/HttpClient.h"
#include "platform/PackageInspector.h"
#include "platform/PreferencesStore.h"
#include "reports/Sha256.h"
#include "reports/UpdateError.h"
#include "reports/VersionComparison.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QPromise>
#include <QStandardPaths>
#include <QTimer>
#include <QtConcurrent>

#include <chrono>
#include <memory>

namespace {

const QString kUpdateInformationNotAvailable = QStringLiteral("Update information not available");
const QString kDigestMismatch = QStringLiteral("The download does not match the signed update manifest");
constexpr std::string_view kUnsigned = "The update manifest is not signed.";
constexpr std::string_view kBadSignature = "The update manifest's signature does not match the release key.";
constexpr std::string_view kCheckFailedPrefix = "Update check failed: ";
constexpr std::string_view kRelaunchFailedPrefix = "Failed to relaunch: ";
constexpr auto kQuitDelay = std::chrono::milliseconds(500);

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::int64_t millisecondsSinceEpoch(TimePoint t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

// Releases are fetched over HTTPS only: a package that arrives in the clear could have been swapped on
// the way. Plain HTTP is allowed for this machine itself, which nobody can sit in the middle of.
bool isFetchablePackageURL(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    if (url.scheme() != QLatin1String("http"))
        return false;
    return url.host() == QLatin1String("localhost") || QHostAddress(url.host()).isLoopback();
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

// One download in progress: its temporary file and what has arrived.
struct DownloadState {
    QFile file;
    Sha256 digest;
    qint64 expected = -1;
    qint64 received = 0;
    std::optional<QString> failure;
    std::function<void()> cancel;

    void stop(QString why) {
        if (failure)
            return;
        failure = std::move(why);
        if (cancel)
            cancel();
    }
};

} // namespace

UpdateService::UpdateService(HttpClient& http, PreferencesStore& store, const Clock& clock,
                             const PackageInspector& inspector, FileRevealer& revealer,
                             ApplicationControl& application, QObject* parent)
    : UpdateService(http, store, clock, inspector, revealer, application, Setup{}, parent) {}

UpdateService::UpdateService(HttpClient& http, PreferencesStore& store, const Clock& clock,
                             const PackageInspector& inspector, FileRevealer& revealer,
                             ApplicationControl& application, Setup setup, QObject* parent)
    : QObject(parent), m_http(http), m_store(store), m_clock(clock), m_inspector(inspector),
      m_revealer(revealer), m_application(application), m_setup(std::move(setup)),
      m_versionURL(m_setup.versionURL.value_or(QUrl(QString::fromLatin1(build_info::updateManifestURL)))),
      m_releaseKey(releaseKeyFromHex(m_setup.releaseKey.value_or(build_info::updatePublicKey))) {
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
    if (!force) {
        if (const auto last = m_store.readDate(QString::fromLatin1(lastCheckKey))) {
            const double elapsedSeconds =
                double(millisecondsSinceEpoch(m_clock.now()) - last->toMSecsSinceEpoch()) / 1000.0;
            if (elapsedSeconds / 3600.0 < checkIntervalHours)
                return QtFuture::makeReadyFuture();
        }
    }
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
    if (signature.error || signature.body.size() != qsizetype(manifestSignatureSize)) {
        logFailure(kCheckFailedPrefix, kUnsigned);
        return;
    }
    if (!m_releaseKey ||
        !isSignedByReleaseKey(bytes, std::string_view(signature.body.constData(), manifestSignatureSize),
                              *m_releaseKey)) {
        logFailure(kCheckFailedPrefix, kBadSignature);
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
    if (!m_latestVersionInfo || !isFetchablePackageURL(url)) {
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

    continueOn(this, downloadWithProgress(url), [this, destination, done](const Download& download) {
        if (!download.file) {
            fail(download.error);
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
                checkPackage(destination);
                findAppInPackage(destination);
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

QFuture<UpdateService::Download> UpdateService::downloadWithProgress(const QUrl& url) {
    auto state = std::make_shared<DownloadState>();
    state->file.setFileName(QDir::temp().filePath(fromStd(makeUuid()) + QStringLiteral(".deb")));
    if (!state->file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QtFuture::makeReadyFuture(Download{std::nullopt, state->file.errorString()});

    const qint64 limit = m_setup.maxPackageBytes;
    const QString tooLarge = QStringLiteral("The update is larger than %1 MB").arg(limit / (1024 * 1024));
    HttpStreamHandlers handlers;
    handlers.onResponse = [state, limit, tooLarge](const HttpResponse& response) {
        state->expected = response.expectedContentLength;
        if (state->expected > limit)
            state->stop(tooLarge);
    };
    // Each piece goes straight to the file; memory holds one piece at a time.
    handlers.onData = [this, state, limit, tooLarge](QByteArrayView chunk) {
        if (state->failure)
            return;
        if (state->received + chunk.size() > limit) {
            state->stop(tooLarge);
            return;
        }
        if (state->file.write(chunk.data(), chunk.size()) != chunk.size()) {
            state->stop(state->file.errorString());
            return;
        }
        state->digest.add(std::string_view(chunk.data(), std::size_t(chunk.size())));
        state->received += chunk.size();
        if (state->expected >= 1) {
            const int percent = int(state->received * 100 / state->expected);
            if (percent != m_publishedPercent)
                setDownloadProgress(double(state->received) / double(state->expected), percent);
        }
    };
    HttpTransfer transfer = m_http.download(url, HttpSession::shared, this, std::move(handlers));
    state->cancel = transfer.cancel;

    return continueOn(
        this, std::move(transfer.result),
        [state, expectedDigest = m_latestVersionInfo ? m_latestVersionInfo->sha256
                                                     : std::string()](const HttpResult& result) {
            if (!state->failure && result.error)
                state->failure = *result.error;
            if (!state->failure && !state->file.flush())
                state->failure = state->file.errorString();
            // A package other than the one the signed manifest names is not kept anywhere.
            if (!state->failure && state->digest.hexDigest() != expectedDigest)
                state->failure = kDigestMismatch;
            state->file.close();
            if (state->failure) {
                state->file.remove();
                return Download{std::nullopt, *state->failure};
            }
            return Download{state->file.fileName(), {}};
        },
        [state] { state->file.remove(); });
}

void UpdateService::checkPackage(const QString& path) const {
    if (const auto problem = m_inspector.problemWith(path.toStdString()))
        throw UpdateError::mountFailed(*problem);
}

void UpdateService::findAppInPackage(const QString& path) const {
    if (!m_inspector.containsProgram(path.toStdString()))
        throw UpdateError::appNotFound();
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
