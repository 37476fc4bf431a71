#include "system/qt/NetworkHttpClient.h"
#include "support/LocalHttpServer.h"
#include "support/TestUtil.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QNetworkDiskCache>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using Reply = LocalHttpServer::Reply;

namespace {

HttpResult resultOf(QFuture<HttpResult> future, std::chrono::milliseconds limit = 10s) {
    EXPECT_TRUE(waitUntil([&] { return future.isFinished(); }, limit));
    return future.isFinished() && future.resultCount() > 0 ? future.result() : HttpResult{};
}

// Counts a streamed body and checks every byte against the server's pattern.
struct StreamRecord {
    std::vector<std::string> order; // "response" and "data" in the order they came
    std::optional<HttpResponse> response;
    qint64 received = 0;
    int chunks = 0;
    bool contentMatches = true;

    HttpStreamHandlers handlers() {
        return {[this](const HttpResponse& r) {
                    order.push_back("response");
                    response = r;
                },
                [this](QByteArrayView chunk) {
                    order.push_back("data");
                    for (qsizetype i = 0; i < chunk.size(); ++i)
                        contentMatches &= chunk[i] == LocalHttpServer::generatedByte(received + i);
                    received += chunk.size();
                    ++chunks;
                }};
    }
};

// Collects every Qt message (warnings included) while it lives.
class QtMessageRecorder {
public:
    QtMessageRecorder() {
        s_messages.clear(); // nothing records before the handler is in place
        m_previous = qInstallMessageHandler(&QtMessageRecorder::record);
    }
    ~QtMessageRecorder() { qInstallMessageHandler(m_previous); }

    // One message a line; empty when Qt said nothing.
    std::string text() const {
        QMutexLocker lock(&s_mutex);
        return s_messages.join(u'\n').toStdString();
    }

private:
    // Qt may report from its own network threads.
    static void record(QtMsgType, const QMessageLogContext&, const QString& text) {
        QMutexLocker lock(&s_mutex);
        s_messages.append(text);
    }

    QtMessageHandler m_previous;
    inline static QMutex s_mutex;
    inline static QStringList s_messages;
};

QByteArray generatedBody(qint64 size) {
    QByteArray body(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        body[i] = LocalHttpServer::generatedByte(i);
    return body;
}

HttpTimeouts shortTimeouts() {
    HttpTimeouts timeouts;
    timeouts.probe = 300ms;
    return timeouts;
}

class NetworkHttpClientTest : public ::testing::Test {
protected:
    LocalHttpServer server;
    QObject context;
    // Default limits: a loaded machine must not turn an answer into a time-out.
    NetworkHttpClient client;
};

TEST_F(NetworkHttpClientTest, StatusCodesArePassedOnNotJudged) {
    server.route("/ok", Reply::answer(200, "hello"));
    server.route("/gone", Reply::answer(404, "nothing here"));

    QThread* completedOn = nullptr;
    const HttpResult ok = resultOf(client.get(server.url("/ok")).then([&](HttpResult r) {
        completedOn = QThread::currentThread();
        return r;
    }));
    ASSERT_TRUE(ok.response);
    EXPECT_EQ(ok.response->statusCode, 200);
    EXPECT_EQ(ok.response->expectedContentLength, 5);
    EXPECT_EQ(ok.body, "hello");
    EXPECT_FALSE(ok.error);
    EXPECT_EQ(completedOn, QThread::currentThread());

    const HttpResult gone = resultOf(client.get(server.url("/gone")));
    ASSERT_TRUE(gone.response);
    EXPECT_EQ(gone.response->statusCode, 404);
    EXPECT_EQ(gone.body, "nothing here");
    EXPECT_FALSE(gone.error);
}

TEST_F(NetworkHttpClientTest, StatusesQtCountsAsErrorsAreAnswersToo) {
    constexpr qint64 size = 1000;
    // Qt makes 400 and 418 protocol errors, 407 a proxy error, and a redirect without a location an
    // unknown protocol.
    for (const int status : {400, 404, 407, 418, 500, 503, 301}) {
        SCOPED_TRACE(status);
        Reply reply = Reply::generated(size);
        reply.status = status;
        const QByteArray path = '/' + QByteArray::number(status);
        server.route(path, reply);
        const QUrl url = server.url(QString::fromLatin1(path));
        // Qt stops reading at a redirect without a location, so that answer comes without its body.
        const qint64 bodySize = status == 301 ? 0 : size;

        for (const HttpResult& result : {resultOf(client.get(url)), resultOf(client.probe(url))}) {
            EXPECT_FALSE(result.error) << result.error.value_or(QString()).toStdString();
            ASSERT_TRUE(result.response);
            EXPECT_EQ(result.response->statusCode, status);
            EXPECT_EQ(result.body, generatedBody(bodySize));
        }

        StreamRecord streamed;
        const HttpResult result =
            resultOf(client.download(url, HttpSession::shared, &context, streamed.handlers()).result);
        EXPECT_FALSE(result.error) << result.error.value_or(QString()).toStdString();
        ASSERT_TRUE(streamed.response);
        EXPECT_EQ(streamed.response->statusCode, status);
        EXPECT_EQ(streamed.received, bodySize);
        EXPECT_TRUE(streamed.contentMatches);
    }
}

TEST_F(NetworkHttpClientTest, ProbeFollowsRedirectsAndReportsTheFinalUrl) {
    server.redirect("/hotspot-detect.html", server.url("/login?from=probe"));
    server.route("/login", Reply::answer(200, "<html>Sign in</html>"));

    const HttpResult result = resultOf(client.probe(server.url("/hotspot-detect.html")));
    ASSERT_TRUE(result.response);
    EXPECT_EQ(result.response->statusCode, 200);
    EXPECT_EQ(result.response->url, server.url("/login?from=probe"));
    EXPECT_EQ(result.body, "<html>Sign in</html>");
    ASSERT_EQ(server.requests("/login").size(), 1);
    EXPECT_EQ(server.requests("/login")[0].query, "from=probe");
}

TEST_F(NetworkHttpClientTest, ProbeBypassesCaches) {
    QTemporaryDir cacheDir;
    auto* cache = new QNetworkDiskCache;
    cache->setCacheDirectory(cacheDir.path());
    client.setSharedCache(cache);
    Reply cacheable = Reply::answer(200, "Success");
    cacheable.headers.append(qMakePair(QByteArray("Cache-Control"), QByteArray("max-age=3600")));
    server.route("/page", cacheable);

    resultOf(client.get(server.url("/page")));
    resultOf(client.get(server.url("/page")));
    ASSERT_EQ(server.requests("/page").size(), 1) << "the cache should answer a plain fetch";

    const HttpResult probed = resultOf(client.probe(server.url("/page")));
    EXPECT_EQ(probed.body, "Success");
    ASSERT_EQ(server.requests("/page").size(), 2);
    EXPECT_EQ(server.requests("/page")[1].header("Cache-Control"), "no-cache");
}

TEST_F(NetworkHttpClientTest, SilentServerTimesTheProbeOut) {
    const QtMessageRecorder qtMessages;
    Reply slow = Reply::answer(200, "Success");
    slow.delay = 3s;
    server.route("/slow", slow);
    NetworkHttpClient impatient(shortTimeouts());
    QElapsedTimer elapsed;
    elapsed.start();
    const HttpResult result = resultOf(impatient.probe(server.url("/slow")));
    // Given up on well before the server would have answered.
    EXPECT_LT(elapsed.elapsed(), 2900);
    EXPECT_GE(elapsed.elapsed(), 250);
    EXPECT_EQ(result.error, "The request timed out.");
    EXPECT_EQ(result.failure, HttpFailure::timedOut);
    EXPECT_FALSE(result.response);
    // Nothing may be read from the aborted reply.
    EXPECT_EQ(qtMessages.text(), "");
}

TEST_F(NetworkHttpClientTest, RefusedConnectionIsATransportError) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();

    const HttpResult result = resultOf(client.get(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port))));
    EXPECT_FALSE(result.response);
    ASSERT_TRUE(result.error);
    EXPECT_TRUE(result.error->contains("refused", Qt::CaseInsensitive)) << result.error->toStdString();
    EXPECT_EQ(result.failure, HttpFailure::refused);
}

// Each transport error is named for what it means; an answer with an error status is none.
TEST(NetworkHttpClientFailures, QtErrorsByKind) {
    EXPECT_EQ(NetworkHttpClient::failureOf(QNetworkReply::HostNotFoundError), HttpFailure::hostNotFound);
    EXPECT_EQ(NetworkHttpClient::failureOf(QNetworkReply::TimeoutError), HttpFailure::timedOut);
    EXPECT_EQ(NetworkHttpClient::failureOf(QNetworkReply::ConnectionRefusedError), HttpFailure::refused);
    for (auto unreachable : {QNetworkReply::UnknownNetworkError, QNetworkReply::NetworkSessionFailedError,
                             QNetworkReply::TemporaryNetworkFailureError})
        EXPECT_EQ(NetworkHttpClient::failureOf(unreachable), HttpFailure::unreachable) << unreachable;
    for (auto other : {QNetworkReply::RemoteHostClosedError, QNetworkReply::SslHandshakeFailedError,
                       QNetworkReply::ProxyConnectionRefusedError})
        EXPECT_EQ(NetworkHttpClient::failureOf(other), HttpFailure::other) << other;
}

TEST_F(NetworkHttpClientTest, DownloadStreamsTheBodyAfterTheResponse) {
    constexpr qint64 size = 3'000'000;
    server.route("/__down", Reply::generated(size));
    Reply unsizedReply = Reply::generated(size);
    unsizedReply.omitContentLength = true;
    server.route("/unsized", unsizedReply);

    for (const HttpSession session : {HttpSession::shared, HttpSession::ephemeral}) {
        StreamRecord sized;
        const HttpResult result = resultOf(
            client.download(server.url("/__down?bytes=3000000"), session, &context, sized.handlers()).result);
        EXPECT_FALSE(result.error);
        EXPECT_TRUE(result.body.isEmpty());
        ASSERT_TRUE(sized.response);
        EXPECT_EQ(sized.response->statusCode, 200);
        EXPECT_EQ(sized.response->expectedContentLength, size);
        EXPECT_EQ(sized.order.front(), "response");
        EXPECT_EQ(std::count(sized.order.begin(), sized.order.end(), "response"), 1);
        EXPECT_EQ(sized.received, size);
        EXPECT_GT(sized.chunks, 1);
        EXPECT_TRUE(sized.contentMatches);
    }

    StreamRecord unsized;
    const HttpResult result = resultOf(
        client.download(server.url("/unsized"), HttpSession::shared, &context, unsized.handlers()).result);
    EXPECT_FALSE(result.error);
    ASSERT_TRUE(unsized.response);
    EXPECT_EQ(unsized.response->expectedContentLength, -1);
    EXPECT_EQ(unsized.received, size);
    EXPECT_TRUE(unsized.contentMatches);
}

TEST_F(NetworkHttpClientTest, CancelledDownloadStopsDeliveringAndEndsWithAnError) {
    const QtMessageRecorder qtMessages;
    Reply endless = Reply::generated(50'000'000);
    endless.pieceDelay = 5ms;
    server.route("/__down", endless);
    StreamRecord record;
    HttpTransfer transfer;
    HttpStreamHandlers handlers = record.handlers();
    auto count = handlers.onData;
    handlers.onData = [&](QByteArrayView chunk) {
        count(chunk);
        if (record.received >= 200'000)
            transfer.cancel();
    };
    transfer = client.download(server.url("/__down"), HttpSession::shared, &context, handlers);

    const HttpResult result = resultOf(transfer.result);
    EXPECT_EQ(result.error, "The request was cancelled.");
    EXPECT_EQ(result.failure, HttpFailure::cancelled);
    const qint64 atCancel = record.received;
    EXPECT_LT(atCancel, 1'000'000);
    spinFor(100ms);
    EXPECT_EQ(record.received, atCancel);
    transfer.cancel(); // after the end: nothing happens
    EXPECT_EQ(qtMessages.text(), "");
}

TEST_F(NetworkHttpClientTest, CancelledUploadEndsQuietlyWithAnError) {
    const QtMessageRecorder qtMessages;
    Reply slow = Reply::answer(201, "stored");
    slow.delay = 2s;
    server.route("/__up", slow);
    HttpTransfer transfer = client.upload(server.url("/__up"), QByteArray(1000, 'x'));
    ASSERT_TRUE(waitUntil([&] { return server.requests("/__up").size() == 1; }));
    transfer.cancel();
    EXPECT_EQ(resultOf(transfer.result).error, "The request was cancelled.");
    EXPECT_EQ(qtMessages.text(), "");
}

TEST_F(NetworkHttpClientTest, EphemeralTransfersAreLimitedAsAWhole) {
    // Steady trickle: never silent for long, but slower than the whole-transfer limit.
    Reply trickle = Reply::generated(15 * 65536);
    trickle.pieceDelay = 50ms;
    server.route("/trickle", trickle);
    HttpTimeouts timeouts;
    timeouts.ephemeralTransfer = 300ms;
    NetworkHttpClient client(timeouts);

    StreamRecord ephemeral;
    const HttpResult limited = resultOf(
        client.download(server.url("/trickle"), HttpSession::ephemeral, &context, ephemeral.handlers())
            .result);
    EXPECT_EQ(limited.error, "The request timed out.");
    EXPECT_LT(ephemeral.received, 15 * 65536);

    StreamRecord shared;
    const HttpResult unlimited = resultOf(
        client.download(server.url("/trickle"), HttpSession::shared, &context, shared.handlers()).result);
    EXPECT_FALSE(unlimited.error);
    EXPECT_EQ(shared.received, 15 * 65536);
}

TEST_F(NetworkHttpClientTest, DestroyedContextAbortsTheDownload) {
    Reply endless = Reply::generated(50'000'000);
    endless.pieceDelay = 5ms;
    server.route("/__down", endless);
    auto owner = std::make_unique<QObject>();
    StreamRecord record;
    HttpTransfer transfer =
        client.download(server.url("/__down"), HttpSession::shared, owner.get(), record.handlers());
    ASSERT_TRUE(waitUntil([&] { return record.received > 0; }));
    owner.reset();
    const qint64 atDestruction = record.received;
    EXPECT_EQ(resultOf(transfer.result).error, "The request was cancelled.");
    EXPECT_EQ(record.received, atDestruction);
}

TEST_F(NetworkHttpClientTest, UploadPostsTheBytesAsOctetStream) {
    server.route("/__up", Reply::answer(201, "stored"));
    QByteArray payload(1'000'000, Qt::Uninitialized);
    for (qsizetype i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(i * 7);

    const HttpResult result = resultOf(client.upload(server.url("/__up"), payload).result);
    EXPECT_FALSE(result.error);
    ASSERT_TRUE(result.response);
    EXPECT_EQ(result.response->statusCode, 201);
    EXPECT_EQ(result.body, "stored");
    ASSERT_EQ(server.requests("/__up").size(), 1);
    const LocalHttpServer::Request request = server.requests("/__up")[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.header("Content-Type"), "application/octet-stream");
    EXPECT_EQ(request.body, payload);
}

} // namespace
