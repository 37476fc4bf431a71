#include "system/qt/NetworkHttpClient.h"

#include <QAbstractNetworkCache>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QPromise>
#include <QTimer>

#include <memory>

namespace {

const QString timedOutDescription = QStringLiteral("The request timed out.");
const QString cancelledDescription = QStringLiteral("The request was cancelled.");

// Keeps no cookies at all, so test traffic leaves nothing behind.
class NoCookieJar final : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
};

// Qt turns many statuses into reply errors too: 404 and 500 by class, 400 and 418 as protocol errors,
// 407 as a proxy error, a redirect without a location as an unknown protocol. When a status came
// with them they are answers, not failures to get one.
bool comesFromStatus(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
        return true;
    case QNetworkReply::ContentReSendError: // the upload could not be sent again
        return false;
    default: {
        // The content (401, 403, 404, ...) and server (500, 503, ...) classes.
        const int code = static_cast<int>(error);
        return (code >= 201 && code <= 299) || (code >= 401 && code <= 499);
    }
    }
}

std::optional<HttpResponse> responseOf(const QNetworkReply& reply) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return std::nullopt;
    HttpResponse response;
    response.statusCode = status.toInt();
    response.url = reply.url();
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    response.expectedContentLength = length.isValid() ? length.toLongLong() : -1;
    return response;
}

// The state of one reply; a child of the reply, so it goes when the reply is deleted.
class Transfer final : public QObject {
public:
    Transfer(QNetworkReply* reply, bool streamed, QObject* context, HttpStreamHandlers handlers)
        : QObject(reply), m_reply(reply), m_streamed(streamed), m_hasContext(context != nullptr),
          m_context(context), m_handlers(std::move(handlers)) {
        m_promise.start();
        connect(reply, &QNetworkReply::finished, this, [this] { finish(); });
        connect(reply, &QNetworkReply::downloadProgress, this, [this] { restartIdleTimer(); });
        connect(reply, &QNetworkReply::uploadProgress, this, [this] { restartIdleTimer(); });
        if (m_streamed)
            connect(reply, &QNetworkReply::readyRead, this, [this] { deliver(); });
        if (context)
            connect(context, &QObject::destroyed, this, [this] { cancel(); });
    }

    QFuture<HttpResult> future() { return m_promise.future(); }

    void setLimits(std::chrono::milliseconds idle, std::chrono::milliseconds whole) {
        if (idle.count() > 0) {
            m_idle.setSingleShot(true);
            m_idle.setInterval(idle);
            connect(&m_idle, &QTimer::timeout, this, [this] { timeOut(); });
            m_idle.start();
        }
        if (whole.count() > 0) {
            m_whole.setSingleShot(true);
            m_whole.setInterval(whole);
            connect(&m_whole, &QTimer::timeout, this, [this] { timeOut(); });
            m_whole.start();
        }
    }

    void cancel() {
        if (m_finished || m_cancelled)
            return;
        m_cancelled = true;
        // Not aborted in place: cancel() may be called from inside a data handler of this reply.
        QMetaObject::invokeMethod(
            m_reply,
            [reply = QPointer<QNetworkReply>(m_reply)] {
                if (reply)
                    reply->abort();
            },
            Qt::QueuedConnection);
    }

private:
    bool handlersAlive() const { return !m_hasContext || m_context; }

    void restartIdleTimer() {
        if (m_idle.interval() > 0 && !m_finished)
            m_idle.start();
    }

    void timeOut() {
        if (m_finished)
            return;
        m_timedOut = true;
        m_reply->abort();
    }

    void announceResponse() {
        if (m_announced)
            return;
        const auto response = responseOf(*m_reply);
        if (!response)
            return;
        m_announced = true;
        if (handlersAlive() && m_handlers.onResponse)
            m_handlers.onResponse(*response);
    }

    void deliver() {
        if (m_cancelled || m_timedOut || m_finished)
            return;
        announceResponse();
        const QByteArray chunk = m_reply->readAll();
        if (!chunk.isEmpty() && handlersAlive() && m_handlers.onData)
            m_handlers.onData(chunk);
    }

    void finish() {
        if (m_finished)
            return;
        // An aborted reply is closed: reading from it gets nothing but a warning from Qt.
        const bool aborted = m_cancelled || m_timedOut;
        if (m_streamed && !aborted)
            deliver();
        m_finished = true;
        m_idle.stop();
        m_whole.stop();

        HttpResult result;
        result.response = responseOf(*m_reply);
        const QNetworkReply::NetworkError error = m_reply->error();
        if (m_cancelled) {
            result.error = cancelledDescription;
            result.failure = HttpFailure::cancelled;
        } else if (m_timedOut) {
            result.error = timedOutDescription;
            result.failure = HttpFailure::timedOut;
        } else if (!result.response) {
            result.error =
                error != QNetworkReply::NoError ? m_reply->errorString() : QStringLiteral("No response");
            result.failure = NetworkHttpClient::failureOf(error);
        } else if (error != QNetworkReply::NoError && !comesFromStatus(error)) {
            result.error = m_reply->errorString();
            result.failure = NetworkHttpClient::failureOf(error);
        }
        if (!m_streamed && !aborted)
            result.body = m_reply->readAll();
        m_promise.addResult(std::move(result));
        m_promise.finish();
    }

    QNetworkReply* m_reply;
    bool m_streamed;
    bool m_hasContext;
    QPointer<QObject> m_context;
    HttpStreamHandlers m_handlers;
    QPromise<HttpResult> m_promise;
    QTimer m_idle;
    QTimer m_whole;
    bool m_announced = false;
    bool m_cancelled = false;
    bool m_timedOut = false;
    bool m_finished = false;
};

} // namespace

struct NetworkHttpClient::Call {
    QNetworkAccessManager* manager = nullptr;
    QNetworkRequest request;
    QByteArray body; // sent with POST when `post` is set
    bool post = false;
    bool streamed = false;
    QObject* context = nullptr;
    HttpStreamHandlers handlers;
    std::chrono::milliseconds idleLimit{0};
    std::chrono::milliseconds wholeLimit{0};
};

NetworkHttpClient::NetworkHttpClient(HttpTimeouts timeouts, QObject* parent)
    : QObject(parent), m_timeouts(timeouts), m_shared(this), m_ephemeral(this) {
    for (QNetworkAccessManager* manager : {&m_shared, &m_ephemeral}) {
        manager->setAutoDeleteReplies(true);
        manager->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    m_ephemeral.setCookieJar(new NoCookieJar(&m_ephemeral));
}

HttpFailure NetworkHttpClient::failureOf(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return HttpFailure::hostNotFound;
    case QNetworkReply::TimeoutError:
        return HttpFailure::timedOut;
    case QNetworkReply::ConnectionRefusedError:
        return HttpFailure::refused;
    // Qt files "network unreachable" and "no route to host" from the socket under unknown
    // network errors; the others mean no network to send on at all.
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
        return HttpFailure::unreachable;
    case QNetworkReply::OperationCanceledError:
        return HttpFailure::cancelled;
    case QNetworkReply::NoError:
        return HttpFailure::none;
    default:
        return HttpFailure::other;
    }
}

void NetworkHttpClient::setSharedCache(QAbstractNetworkCache* cache) {
    m_shared.setCache(cache);
}

QFuture<HttpResult> NetworkHttpClient::get(const QUrl& url) {
    Call call;
    call.manager = &m_shared;
    call.request = QNetworkRequest(url);
    call.idleLimit = m_timeouts.request;
    return start(std::move(call)).result;
}

QFuture<HttpResult> NetworkHttpClient::probe(const QUrl& url) {
    Call call;
    call.manager = &m_shared;
    call.request = QNetworkRequest(url);
    // Neither our cache nor one on the way may answer for the network.
    call.request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    call.request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    call.request.setRawHeader("Cache-Control", "no-cache");
    call.request.setRawHeader("Pragma", "no-cache");
    call.idleLimit = m_timeouts.probe;
    return start(std::move(call)).result;
}

HttpTransfer NetworkHttpClient::download(const QUrl& url, HttpSession session, QObject* context,
                                         HttpStreamHandlers handlers) {
    Call call;
    call.request = QNetworkRequest(url);
    call.streamed = true;
    call.context = context;
    call.handlers = std::move(handlers);
    call.idleLimit = m_timeouts.request;
    if (session == HttpSession::ephemeral) {
        call.manager = &m_ephemeral;
        call.request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        call.request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        call.wholeLimit = m_timeouts.ephemeralTransfer;
    } else {
        call.manager = &m_shared;
    }
    return start(std::move(call));
}

HttpTransfer NetworkHttpClient::upload(const QUrl& url, const QByteArray& body) {
    Call call;
    call.manager = &m_ephemeral;
    call.request = QNetworkRequest(url);
    call.request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
    call.request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    call.body = body;
    call.post = true;
    call.idleLimit = m_timeouts.uploadRequest;
    call.wholeLimit = m_timeouts.ephemeralTransfer;
    return start(std::move(call));
}

HttpTransfer NetworkHttpClient::start(Call call) {
    QNetworkReply* reply =
        call.post ? call.manager->post(call.request, call.body) : call.manager->get(call.request);
    auto* transfer = new Transfer(reply, call.streamed, call.context, std::move(call.handlers));
    transfer->setLimits(call.idleLimit, call.wholeLimit);
    return HttpTransfer{transfer->future(), [transfer = QPointer<Transfer>(transfer)] {
                            if (transfer)
                                transfer->cancel();
                        }};
}
