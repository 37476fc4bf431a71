#include "reports/UpdateDownloader.h"

#include "core/ContinueOn.h"
#include "core/Uuid.h"
#include "platform/HttpClient.h"
#include "reports/Sha256.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>

#include <memory>

namespace {

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

UpdateDownloader::UpdateDownloader(HttpClient& http, qint64 maxBytes, QObject* parent)
    : QObject(parent), m_http(http), m_maxBytes(maxBytes) {}

bool UpdateDownloader::accepts(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == QLatin1String("https"))
        return true;
    if (url.scheme() != QLatin1String("http"))
        return false;
    return url.host() == QLatin1String("localhost") || QHostAddress(url.host()).isLoopback();
}

QFuture<UpdateDownloader::Result> UpdateDownloader::download(const QUrl& url, Progress progress) {
    auto state = std::make_shared<DownloadState>();
    const std::string name = makeUuid() + ".deb";
    state->file.setFileName(QDir::temp().filePath(QString::fromStdString(name)));
    if (!state->file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QtFuture::makeReadyFuture(Result{std::nullopt, state->file.errorString(), {}});

    const qint64 limit = m_maxBytes;
    const QString tooLarge = QStringLiteral("The update is larger than %1 MB").arg(limit / (1024 * 1024));
    HttpStreamHandlers handlers;
    handlers.onResponse = [state, limit, tooLarge](const HttpResponse& response) {
        state->expected = response.expectedContentLength;
        if (state->expected > limit)
            state->stop(tooLarge);
    };
    handlers.onData = [state, limit, tooLarge, progress = std::move(progress)](QByteArrayView chunk) {
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
        if (state->expected >= 1 && progress)
            progress(state->received, state->expected);
    };
    HttpTransfer transfer = m_http.download(url, HttpSession::shared, this, std::move(handlers));
    state->cancel = transfer.cancel;

    return continueOn(
        this, std::move(transfer.result),
        [state](const HttpResult& result) {
            if (!state->failure && result.error)
                state->failure = *result.error;
            if (!state->failure && !state->file.flush())
                state->failure = state->file.errorString();
            state->file.close();
            if (state->failure) {
                state->file.remove();
                return Result{std::nullopt, *state->failure, {}};
            }
            return Result{state->file.fileName(), {}, state->digest.hexDigest()};
        },
        [state] { state->file.remove(); });
}
