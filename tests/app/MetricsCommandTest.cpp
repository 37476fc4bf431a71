#include "app/MetricsCommand.h"

#include "support/RawHttp.h"
#include "support/StatusFixture.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QTcpServer>

TEST(MetricsCommand, MonitorsRecordsTheTimelineAndServesUntilItEnds) {
    StatusFixture f;
    f.settings.setCheckForCaptivePortal(false);
    f.reader.next = connectedReading(-60);
    const auto eventKinds = [&] {
        std::vector<TimelineEventKind> kinds;
        for (const auto& e : f.timeline.events(TimePoint{}, f.clock.now() + std::chrono::hours(1)))
            kinds.push_back(e.kind);
        return kinds;
    };
    quint16 port = 0;
    {
        MetricsCommand command(f.services(), f.timelineWriter, f.clock);
        ASSERT_EQ(command.start({"127.0.0.1", 0}), std::nullopt);
        port = command.servedAddress().port;
        EXPECT_NE(port, 0);
        EXPECT_TRUE(command.viewModel().isMonitoring());
        ASSERT_TRUE(waitUntil([&] { return command.viewModel().internetPingStats().samplesCount > 0; }));
        const RawReply reply = scrape(port);
        EXPECT_EQ(reply.status, 200);
        EXPECT_TRUE(reply.body.contains("\nlinkmeter_ping_latency_seconds{target=\"internet\"} 0.02\n"));
        EXPECT_EQ(eventKinds(), std::vector{TimelineEventKind::monitoringStarted});
    }
    EXPECT_EQ(eventKinds(),
              (std::vector{TimelineEventKind::monitoringStarted, TimelineEventKind::monitoringStopped}));
    EXPECT_EQ(scrape(port).status, 0);

    // An address someone else holds: it says why and measures nothing.
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, 0));
    MetricsCommand refused(f.services(), f.timelineWriter, f.clock);
    const auto failure = refused.start({"127.0.0.1", squatter.serverPort()});
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains("in use")) << failure->toStdString();
    EXPECT_FALSE(refused.viewModel().isMonitoring());
}
