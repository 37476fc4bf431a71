#include "viewmodel/TimelineRecorder.h"

#include "core/WiFiService.h"
#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "support/TestUtil.h"
#include "support/ViewModelFixture.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

struct RecorderFixture : ViewModelFixture {
    QTemporaryDir dir;
    TimelineDatabase database{dir.filePath("history.sqlite"), clock};
    TimelineWriter writer{database, clock};
    TimelineQueries timeline{database};

    std::vector<TimelineEventKind> eventKinds() {
        std::vector<TimelineEventKind> kinds;
        for (const auto& e : timeline.events(TimePoint{}, clock.now() + 1h))
            kinds.push_back(e.kind);
        return kinds;
    }
};

WiFiReading at(const char* bssid, int rssi) {
    WiFiReading reading = connectedReading(rssi);
    reading.bssid = bssid;
    return reading;
}

} // namespace

TEST(TimelineRecorder, RecordsMonitoringRoamsAndMinuteRows) {
    RecorderFixture f;
    f.settings.setCheckForCaptivePortal(false);
    f.reader.next = at("aa:00:00:00:00:01", -74);
    LinkmeterViewModel::Timing timing;
    timing.wifiRefreshPeriod = 20ms;
    LinkmeterViewModel viewModel(f.services(), timing);
    {
        TimelineRecorder recorder(viewModel, f.writer, f.clock, 30ms);
        viewModel.startMonitoring();
        ASSERT_TRUE(waitUntil([&] { return viewModel.wifiInfo().has_value(); }));

        f.reader.next = at("aa:00:00:00:00:02", -48);
        ASSERT_TRUE(waitUntil([&] { return f.eventKinds().size() >= 2; }));
        const auto roam = f.timeline.events(TimePoint{}, f.clock.now() + 1h).at(1);
        EXPECT_EQ(roam.kind, TimelineEventKind::roaming);
        EXPECT_EQ(roam.fromBSSID, "aa:00:00:00:00:01");
        EXPECT_EQ(roam.toBSSID, "aa:00:00:00:00:02");
        EXPECT_EQ(roam.rssiBefore, -74);
        EXPECT_EQ(roam.rssiAfter, -48);

        ASSERT_TRUE(
            waitUntil([&] { return f.timeline.samples(TimePoint{}, f.clock.now() + 1h, 1s).size() >= 1; }));
        const auto row = f.timeline.samples(TimePoint{}, f.clock.now() + 1h, 1s).front();
        EXPECT_EQ(row.ssid, "Home");

        // A repeated "not monitoring" is one stop, and rows stop with it.
        viewModel.stopMonitoring();
        viewModel.stopMonitoring();
        const auto rows = f.timeline.samples(TimePoint{}, f.clock.now() + 1h, 1s).size();
        f.clock.advance(1h);
        spinFor(100ms);
        EXPECT_EQ(f.timeline.samples(TimePoint{}, f.clock.now() + 1h, 1s).size(), rows);
        viewModel.startMonitoring();
    }
    // Quitting while monitoring closes the span.
    EXPECT_EQ(f.eventKinds(),
              (std::vector{TimelineEventKind::monitoringStarted, TimelineEventKind::roaming,
                           TimelineEventKind::monitoringStopped, TimelineEventKind::monitoringStarted,
                           TimelineEventKind::monitoringStopped}));
}

TEST(TimelineRecorder, AClockSetBackKeepsRowsInTheOrderTheyHappened) {
    RecorderFixture f;
    f.settings.setCheckForCaptivePortal(false);
    LinkmeterViewModel viewModel(f.services());
    // Rows are taken by hand here; the recorder's own minute never comes during the test.
    TimelineRecorder recorder(viewModel, f.writer, f.clock, 1h);
    viewModel.startMonitoring();
    f.clock.advance(1min);
    recorder.recordSample();
    f.clock.set(f.clock.now() - 1h);
    f.clock.advance(1min);
    recorder.recordSample();
    f.clock.advance(1min);
    viewModel.stopMonitoring();

    const auto events = f.timeline.events(TimePoint{}, f.clock.now() + 2h);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, TimelineEventKind::monitoringStarted);
    EXPECT_EQ(events[1].kind, TimelineEventKind::monitoringStopped);
    EXPECT_EQ(events[1].time - events[0].time, 3min);
    const auto rows = f.timeline.samples(TimePoint{}, f.clock.now() + 2h, 60s);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].time - events[0].time, 1min);
    EXPECT_EQ(rows[1].time - rows[0].time, 1min);
}

TEST(TimelineRecorder, AFinishedSpeedTestIsOneEventWithItsFigures) {
    RecorderFixture f;
    f.server.route("/__down", LocalHttpServer::Reply::generated(1'000'000));
    f.server.route("/__up", LocalHttpServer::Reply::answer(200));
    f.reader.next = at("aa:00:00:00:00:01", -60);
    LinkmeterViewModel viewModel(f.services());
    TimelineRecorder recorder(viewModel, f.writer, f.clock);
    ASSERT_TRUE(waitUntil([&] { return viewModel.wifiInfo().has_value(); }));

    viewModel.runSpeedTest();
    ASSERT_TRUE(waitUntil([&] { return viewModel.lastSpeedTestResult().has_value(); }, 60s));
    // Later mirrors of the same result are no new test.
    spinFor(100ms);

    const auto events = f.timeline.events(TimePoint{}, f.clock.now() + 1h);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, TimelineEventKind::speedTest);
    EXPECT_EQ(events[0].ssid, "Home");
    // The pinger answers 12 ms throughout: the load adds nothing.
    EXPECT_TRUE(events[0].note.ends_with(" Mbps up. Under load: +0 ms \u00b7 A+")) << events[0].note;
    EXPECT_EQ(timeline::eventDetails(events[0]), events[0].note);
}
