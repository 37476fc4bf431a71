#include "probes/BandwidthService.h"

#include "support/ManualClock.h"
#include "support/PlatformFakes.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <cmath>
#include <limits>

using namespace std::chrono_literals;

TEST(FormatSpeed, UnitIsChosenBeforeRounding) {
    EXPECT_EQ(formatSpeed(999.6), "1000 B/s");
    EXPECT_EQ(formatSpeed(1'000.0), "1 KB/s");
    EXPECT_EQ(formatSpeed(999'999.0), "1000 KB/s");
    EXPECT_EQ(formatSpeed(1'000'000.0), "1.0 MB/s");
    EXPECT_EQ(formatSpeed(12'345'678.0), "12.3 MB/s");
}

namespace {

class BandwidthServiceTest : public ::testing::Test {
protected:
    // One Wi-Fi interface with these totals.
    void counters(std::uint64_t in, std::uint64_t out) {
        source.next = std::vector<InterfaceCounters>{{"wlan0", InterfaceKind::wifi, in, out}};
    }

    FakeInterfaceCounterSource source;
    ManualClock clock;
    BandwidthService service{source, clock};
    QSignalSpy speeds{&service, &BandwidthService::currentSpeedChanged};
};

} // namespace

TEST_F(BandwidthServiceTest, CountsLinksAndTunnelsButNotLoopbackBridgesOrContainerPairs) {
    auto interfaces = [&](std::uint64_t wifi, std::uint64_t tunnel, std::uint64_t ignored) {
        source.next = std::vector<InterfaceCounters>{{"wlan0", InterfaceKind::wifi, wifi, wifi / 2},
                                                     {"tun0", InterfaceKind::vpn, tunnel, tunnel},
                                                     {"lo", InterfaceKind::loopback, ignored, ignored},
                                                     {"docker0", InterfaceKind::bridge, ignored, ignored},
                                                     {"veth1a2b", InterfaceKind::other, ignored, ignored}};
    };
    interfaces(1'000, 100, 1);
    service.start(1.0);
    // The first sample only sets the baseline.
    EXPECT_EQ(service.lastReading(), (BandwidthReading{1'100, 600, clock.now()}));
    EXPECT_EQ(speeds.count(), 0);
    service.stop();

    // Restarted after a pause, the first rate spans the whole pause.
    clock.advance(2s);
    interfaces(5'000, 1'100, std::uint64_t{1} << 40);
    service.start(1.0);
    // Traffic through the tunnel counts on the tunnel and on the link it runs over.
    EXPECT_EQ(service.currentSpeed(), (BandwidthSpeed{2'500.0, 1'500.0}));
    EXPECT_EQ(service.downloadHistory(), std::vector<double>{2'500.0});
    EXPECT_EQ(service.uploadHistory(), std::vector<double>{1'500.0});
    service.stop();
}

TEST_F(BandwidthServiceTest, FallingCounterGivesZeroAndNoElapsedTimeGivesNothing) {
    counters(5'000, 5'000);
    service.sampleOnce();
    clock.advance(1s);
    counters(1'000, 9'000);
    service.sampleOnce();
    EXPECT_EQ(service.currentSpeed(), (BandwidthSpeed{0.0, 4'000.0}));

    // Without an interface list the zero reading keeps the time it was first needed.
    source.next = std::nullopt;
    clock.advance(1s);
    const auto firstFallback = clock.now();
    service.sampleOnce();
    EXPECT_EQ(service.currentSpeed(), (BandwidthSpeed{0.0, 0.0}));
    clock.advance(1s);
    service.sampleOnce();
    EXPECT_EQ(speeds.count(), 2);
    EXPECT_EQ(service.lastReading(), (BandwidthReading{0, 0, firstFallback}));
}

TEST_F(BandwidthServiceTest, HistoriesKeepTheLastSixty) {
    for (std::uint64_t i = 0; i <= 61; ++i) {
        counters(i * i, i);
        service.sampleOnce();
        clock.advance(1s);
    }
    ASSERT_EQ(service.downloadHistory().size(), 60u);
    ASSERT_EQ(service.uploadHistory().size(), 60u);
    // Rates 1, 3, 5, ...: the 61st pushed out the first.
    EXPECT_EQ(service.downloadHistory().front(), 3.0);
    EXPECT_EQ(service.downloadHistory().back(), 121.0);
}

TEST_F(BandwidthServiceTest, UnusablePeriodFallsBackToOneSecond) {
    counters(0, 0);
    for (const double bad : {std::nan(""), 0.0, -1.0, std::numeric_limits<double>::infinity()}) {
        const int before = source.reads;
        service.start(bad);
        // A loop that took the value literally would sample flat out.
        spinFor(300ms);
        EXPECT_EQ(source.reads, before + 1) << bad;
    }
    const int before = source.reads;
    EXPECT_TRUE(waitUntil([&] { return source.reads == before + 1; }, 3s));
    service.stop();
}
