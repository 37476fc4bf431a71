#include "viewmodel/MetricsPublisher.h"

#include "system/qt/MetricsHttpServer.h"

#include "core/AppSettings.h"
#include "core/PingService.h"
#include "support/RawHttp.h"
#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTcpServer>

#include <sys/resource.h>

#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

const ListenAddress kAnyPort{"127.0.0.1", 0};

// A port nothing listens on at the moment.
int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

struct MetricsFixture : ViewModelFixture {
    bool prepared = [this] {
        reader.next = connectedReading(-60);
        settings.setCheckForCaptivePortal(false);
        settings.setPingInterval(1.0);
        return true;
    }();
    LinkmeterViewModel viewModel{services()};
};

} // namespace

TEST(MetricsPublisher, AScrapeReadsTheStateAsItStands) {
    MetricsFixture f;
    MetricsHttpServer server;
    MetricsPublisher publisher(f.viewModel, server);
    ASSERT_EQ(publisher.serve(kAnyPort), std::nullopt);

    // Before the first score: no score at all, rather than a zero that reads as a dead link.
    RawReply early = scrape(publisher.port());
    ASSERT_EQ(early.status, 200);
    EXPECT_TRUE(early.head.contains("Content-Type: text/plain; version=0.0.4; charset=utf-8"));
    EXPECT_FALSE(early.body.contains("linkmeter_quality_score"));
    EXPECT_TRUE(early.body.contains("linkmeter_build_info{version=\""));

    f.viewModel.startMonitoring();
    ASSERT_TRUE(waitUntil([&] { return f.viewModel.connectionQuality().score > 0; }));
    const RawReply reply = scrape(publisher.port());
    EXPECT_EQ(reply.body.toStdString(), publisher.exposition());
    EXPECT_TRUE(reply.body.contains("\nlinkmeter_quality_score " +
                                    QByteArray::number(f.viewModel.connectionQuality().score) + "\n"));
    EXPECT_TRUE(reply.body.contains("\nlinkmeter_ping_latency_seconds{target=\"internet\"} 0.02\n"));
    EXPECT_TRUE(reply.body.contains("\nlinkmeter_ping_latency_seconds{target=\"router\"} 0.004\n"));
    EXPECT_TRUE(reply.body.contains("\nlinkmeter_wifi_info{ssid=\"Home\""));
}

TEST(MetricsPublisher, FollowsTheSettingAndItsAddress) {
    MetricsFixture f;
    MetricsHttpServer server;
    MetricsPublisher publisher(f.viewModel, server);
    const int first = freePort();
    f.settings.setMetricsAddress(QStringLiteral("127.0.0.1:%1").arg(first));
    publisher.follow(f.settings);
    EXPECT_FALSE(publisher.isServing()); // off by default

    f.settings.setServeMetrics(true);
    ASSERT_TRUE(publisher.isServing());
    EXPECT_EQ(publisher.port(), first);
    EXPECT_EQ(scrape(first).status, 200);

    const int second = freePort();
    f.settings.setMetricsAddress(QStringLiteral("127.0.0.1:%1").arg(second));
    EXPECT_EQ(publisher.port(), second);
    EXPECT_EQ(scrape(second).status, 200);
    EXPECT_EQ(scrape(first).status, 0); // the old address is given up

    // An address taken by someone else: nothing served, and the next change tries again.
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, 0));
    f.settings.setMetricsAddress(QStringLiteral("127.0.0.1:%1").arg(squatter.serverPort()));
    EXPECT_FALSE(publisher.isServing());
    squatter.close();
    f.settings.setServeMetrics(true);
    EXPECT_TRUE(publisher.isServing());

    f.settings.setServeMetrics(false);
    EXPECT_FALSE(publisher.isServing());
    EXPECT_EQ(scrape(second).status, 0);
}

// Long lines, slow senders, a thousand connections and random bytes: after each, and during the
// thousand, the monitor keeps measuring and a well-behaved scrape is answered.
TEST(MetricsPublisher, HostileClientsLeaveItMeasuringAndAnswering) {
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    if (files.rlim_max < 1200)
        GTEST_SKIP() << "a thousand connections need more descriptors than the hard limit of "
                     << files.rlim_max;
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    MetricsFixture f;
    MetricsHttpServer::Limits limits;
    // Long enough for the thousand to be still there when the scrape comes.
    limits.connectionTimeout = 3s;
    MetricsHttpServer server(limits);
    MetricsPublisher publisher(f.viewModel, server);
    ASSERT_EQ(publisher.serve(kAnyPort), std::nullopt);
    const quint16 port = publisher.port();
    f.viewModel.startMonitoring();

    const auto stillMeasuringAndAnswering = [&] {
        const int samples = f.viewModel.internetPingStats().samplesCount;
        const std::size_t pings = f.pingCalls();
        EXPECT_TRUE(waitUntil([&] { return f.pingCalls() > pings + 1; }));
        EXPECT_TRUE(waitUntil([&] {
            return f.viewModel.internetPingStats().samplesCount != samples ||
                   samples == PingService::maxHistoryCount;
        }));
        const RawReply reply = scrape(port);
        EXPECT_EQ(reply.status, 200);
        EXPECT_TRUE(reply.body.contains("linkmeter_ping_latency_seconds{target=\"internet\"}"));
    };

    // A request line that never ends.
    const RawReply endless = rawExchange(port, "GET /" + QByteArray(1 << 20, 'a'));
    EXPECT_EQ(endless.status, 431);
    stillMeasuringAndAnswering();

    // Random bytes.
    QRandomGenerator random(24);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    const RawReply garbage = rawExchange(port, noise);
    EXPECT_TRUE(garbage.status == 400 || garbage.status == 431) << garbage.head.toStdString();
    EXPECT_TRUE(garbage.closedByServer);
    stillMeasuringAndAnswering();

    // Slow senders: a byte now and then, never a whole request. They are cut off, while a scrape in
    // their midst is answered.
    std::vector<std::unique_ptr<QTcpSocket>> slow;
    for (int i = 0; i < 5; ++i) {
        slow.push_back(std::make_unique<QTcpSocket>());
        slow.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    QTimer drip;
    const QByteArray request = "GET /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    int dripped = 0;
    QObject::connect(&drip, &QTimer::timeout, &drip, [&] {
        for (auto& socket : slow)
            if (socket->state() == QAbstractSocket::ConnectedState)
                socket->write(request.mid(dripped % request.size(), 1));
        ++dripped;
    });
    drip.start(20ms);
    stillMeasuringAndAnswering();
    EXPECT_TRUE(waitUntil([&] {
        return std::all_of(slow.begin(), slow.end(),
                           [](const auto& s) { return s->state() == QAbstractSocket::UnconnectedState; });
    }));
    drip.stop();
    for (auto& socket : slow)
        EXPECT_TRUE(socket->readAll().isEmpty()); // cut off, never answered

    // A thousand connections held open: the server keeps to its limit, and a scrape still gets in.
    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    for (int i = 0; i < 1000; ++i) {
        crowd.push_back(std::make_unique<QTcpSocket>());
        crowd.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(crowd.begin(), crowd.end(),
                           [](const auto& s) { return s->state() != QAbstractSocket::ConnectingState; });
    }));
    EXPECT_LE(server.connectionCount(), limits.maxConnections);
    stillMeasuringAndAnswering();
    crowd.clear();
    stillMeasuringAndAnswering();
    EXPECT_TRUE(waitUntil([&] { return server.connectionCount() == 0; }));
}
