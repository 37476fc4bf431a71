#pragma once

#include "platform/HttpFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFuture>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QObject;

// What the server answered. Status codes are passed on as they are; deciding what a 404 means is the
// caller's business.
struct HttpResponse {
    int statusCode = 0;
    QUrl url;                          // final URL, after redirects
    qint64 expectedContentLength = -1; // -1 when the server did not say
};

struct HttpResult {
    std::optional<HttpResponse> response;
    QByteArray body;              // empty for streamed downloads: the bytes went to the chunk callback
    std::optional<QString> error; // transport failure (refused, timed out, cancelled), human-readable
    HttpFailure failure = HttpFailure::none; // its kind, when there is one
};

// Which connection pool a streamed transfer uses.
enum class HttpSession {
    shared,   // the process-wide client, default configuration
    ephemeral // nothing cached or stored (no cookies), and each whole transfer limited to 30 s
};

// A transfer in progress. `result` completes once, on the main thread; `cancel()` aborts the
// transfer, after which `result` carries a cancellation error. Cancelling a finished transfer does
// nothing.
struct HttpTransfer {
    QFuture<HttpResult> result;
    std::function<void()> cancel;
};

// Called on the main thread for a streamed download: once with the response as soon as its headers
// are in, then with every piece of the body as it arrives (the pieces are not kept).
struct HttpStreamHandlers {
    std::function<void(const HttpResponse&)> onResponse;
    std::function<void(QByteArrayView chunk)> onData;
};

// HTTP(S) for the whole program. Every future completes on the main thread; callers come back to
// themselves with `continueOn(this, ...)` (core/ContinueOn.h).
class HttpClient {
public:
    virtual ~HttpClient() = default;

    // Plain GET on the shared client.
    virtual QFuture<HttpResult> get(const QUrl& url) = 0;

    // GET with a 5-second timeout that ignores every cache; redirects are followed and the response
    // carries the final URL.
    virtual QFuture<HttpResult> probe(const QUrl& url) = 0;

    // Streamed GET: the body goes to `handlers` piece by piece and is never held whole. The handlers
    // are dropped, and the transfer aborted, when `context` is destroyed.
    virtual HttpTransfer download(const QUrl& url, HttpSession session, QObject* context,
                                  HttpStreamHandlers handlers) = 0;

    // POST of `body` as "application/octet-stream" on the ephemeral session: 60-second request
    // timeout, and the session's 30-second limit on the whole transfer. The result's body is the
    // server's answer.
    virtual HttpTransfer upload(const QUrl& url, const QByteArray& body) = 0;
};
