#pragma once

#include "platform/HttpClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>

#include <chrono>

class QAbstractNetworkCache;
class QNetworkRequest;

// Time limits of the client. "Request" limits are for silence: they restart whenever bytes move.
// The whole-transfer limit of the ephemeral session counts from the start regardless of progress.
// Tests shorten them; the program uses the defaults.
struct HttpTimeouts {
    std::chrono::milliseconds request{60'000};
    std::chrono::milliseconds probe{5'000};
    std::chrono::milliseconds uploadRequest{60'000};
    std::chrono::milliseconds ephemeralTransfer{30'000};
};

// HttpClient on QNetworkAccessManager: one shared manager for plain requests and an ephemeral one
// (no cache, no cookies) for streamed and uploaded test traffic. Lives on the main thread.
class NetworkHttpClient final : public QObject, public HttpClient {
    Q_OBJECT

public:
    explicit NetworkHttpClient(HttpTimeouts timeouts = HttpTimeouts{}, QObject* parent = nullptr);

    // Gives the shared manager a response cache (it has none by default) and takes ownership of it.
    // The probe bypasses it; plain fetches and shared downloads use it.
    void setSharedCache(QAbstractNetworkCache* cache);

    QFuture<HttpResult> get(const QUrl& url) override;
    QFuture<HttpResult> probe(const QUrl& url) override;
    HttpTransfer download(const QUrl& url, HttpSession session, QObject* context,
                          HttpStreamHandlers handlers) override;
    HttpTransfer upload(const QUrl& url, const QByteArray& body) override;

    // The kind of a reply's transport error.
    static HttpFailure failureOf(QNetworkReply::NetworkError error);

private:
    struct Call;
    HttpTransfer start(Call call);

    HttpTimeouts m_timeouts;
    QNetworkAccessManager m_shared;
    QNetworkAccessManager m_ephemeral;
};
