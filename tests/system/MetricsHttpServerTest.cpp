#include "system/qt/MetricsHttpServer.h"

#include "support/RawHttp.h"

#include <gtest/gtest.h>

TEST(MetricsHttpServer, EachRequestGetsItsStatusAndTheConnectionCloses) {
    int bodies = 0;
    MetricsHttpServer server;
    server.setPage([&] {
        ++bodies;
        return std::string("linkmeter_up 1\n");
    });
    ASSERT_EQ(server.listen({"127.0.0.1", 0}), std::nullopt);
    const quint16 port = server.port();

    const RawReply metrics = rawExchange(port, "GET /metrics HTTP/1.0\r\n\r\n");
    EXPECT_EQ(metrics.status, 200);
    EXPECT_EQ(metrics.body, "linkmeter_up 1\n");
    EXPECT_TRUE(metrics.head.contains("\r\nContent-Length: 15\r\n"));
    EXPECT_TRUE(metrics.head.contains("\r\nConnection: close"));
    EXPECT_TRUE(metrics.closedByServer);

    const RawReply other = rawExchange(port, "GET /favicon.ico HTTP/1.1\r\n\r\n");
    EXPECT_EQ(other.status, 404);
    const RawReply post = rawExchange(port, "POST /metrics HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc");
    EXPECT_EQ(post.status, 405);
    EXPECT_TRUE(post.head.contains("\r\nAllow: GET"));
    EXPECT_EQ(rawExchange(port, "\x16\x03\x01 TLS hello").status, 400);
    // Only the metrics page asks for the text.
    EXPECT_EQ(bodies, 1);
    EXPECT_TRUE(waitUntil([&] { return server.connectionCount() == 0; }));

    server.close();
    EXPECT_EQ(rawExchange(port, "GET /metrics HTTP/1.1\r\n\r\n").status, 0);
}
