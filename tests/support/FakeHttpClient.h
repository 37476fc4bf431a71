#pragma once

#include "platform/HttpClient.h"

#include <QPromise>

#include <functional>
#include <memory>
#include <vector>

// An HttpClient that never touches the network: plain fetches are answered by a handler, and each
// streamed download waits for the test to send its response, its pieces and its end.
class FakeHttpClient final : public HttpClient {
public:
    struct Download {
        QUrl url;
        HttpStreamHandlers handlers;
        std::shared_ptr<QPromise<HttpResult>> promise;
        bool cancelled = false;

        void respond(qint64 contentLength, int status = 200) {
            if (handlers.onResponse)
                handlers.onResponse(HttpResponse{status, url, contentLength});
        }
        void send(const QByteArray& piece) {
            if (!cancelled && handlers.onData)
                handlers.onData(piece);
        }
        void finish(std::optional<QString> error = std::nullopt) {
            if (promise->future().isFinished())
                return;
            HttpResult result;
            result.response = HttpResponse{200, url, -1};
            result.error = std::move(error);
            promise->addResult(std::move(result));
            promise->finish();
        }
    };

    std::function<HttpResult(const QUrl&)> onGet;
    std::vector<QUrl> fetched;
    std::vector<std::shared_ptr<Download>> downloads;

    QFuture<HttpResult> get(const QUrl& url) override {
        fetched.push_back(url);
        return QtFuture::makeReadyFuture(onGet ? onGet(url) : unreachable());
    }
    QFuture<HttpResult> probe(const QUrl& url) override { return get(url); }
    HttpTransfer download(const QUrl& url, HttpSession, QObject*, HttpStreamHandlers handlers) override {
        auto download = std::make_shared<Download>();
        download->url = url;
        download->handlers = std::move(handlers);
        download->promise = std::make_shared<QPromise<HttpResult>>();
        download->promise->start();
        downloads.push_back(download);
        return {download->promise->future(), [download] {
                    download->cancelled = true;
                    download->finish(QStringLiteral("The request was cancelled."));
                }};
    }
    HttpTransfer upload(const QUrl&, const QByteArray&) override {
        return {QtFuture::makeReadyFuture(unreachable()), [] {}};
    }

    static HttpResult answer(QByteArray body, int status = 200) {
        HttpResult result;
        result.response = HttpResponse{status, QUrl(), body.size()};
        result.body = std::move(body);
        return result;
    }
    static HttpResult unreachable() {
        HttpResult result;
        result.error = QStringLiteral("Could not connect to the server.");
        return result;
    }
};
