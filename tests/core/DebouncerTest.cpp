#include "core/Debouncer.h"

#include "core/SystemClock.h"
#include "support/ManualClock.h"
#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

using namespace std::chrono_literals;

TEST(Debouncer, ABurstOfTriggersRunsTheActionOnceAfterTheQuietTime) {
    int runs = 0;
    qint64 ranAt = -1;
    qint64 lastTriggerAt = -1;
    QElapsedTimer elapsed;
    elapsed.start();
    const SystemClock clock;
    Debouncer debouncer(300ms, 1h, clock, [&] {
        ++runs;
        ranAt = elapsed.elapsed();
    });
    const auto trigger = [&] {
        // Runs after the quiet time only count if they follow the last trigger.
        if (runs == 0)
            lastTriggerAt = elapsed.elapsed();
        debouncer.trigger();
    };

    // Three inputs 0.1 s apart.
    trigger();
    QTimer::singleShot(100ms, &debouncer, trigger);
    QTimer::singleShot(200ms, &debouncer, trigger);

    ASSERT_TRUE(waitUntil([&] { return runs > 0; }, 3s));
    spinFor(400ms);
    EXPECT_EQ(runs, 1);
    // A quiet time after the last trigger (timers may fire a few percent early), whatever the load.
    EXPECT_GE(ranAt - lastTriggerAt, 280);
    EXPECT_GE(ranAt, 480);
}

TEST(Debouncer, TriggersFurtherApartThanTheQuietTimeRunEachTime) {
    int runs = 0;
    const SystemClock clock;
    Debouncer debouncer(50ms, 1h, clock, [&] { ++runs; });
    debouncer.trigger();
    ASSERT_TRUE(waitUntil([&] { return runs == 1; }, 1s));
    debouncer.trigger();
    ASSERT_TRUE(waitUntil([&] { return runs == 2; }, 1s));
}

TEST(Debouncer, AStreamThatNeverFallsQuietStillRunsOnceTheMaximumWaitHasPassed) {
    ManualClock clock;
    int runs = 0;
    // A quiet time that never passes here: only the maximum wait can run the action.
    Debouncer debouncer(1h, 2s, clock, [&] { ++runs; });
    const auto stream = [&](int triggers) {
        for (int i = 0; i < triggers; ++i) {
            debouncer.trigger();
            clock.advance(100ms);
        }
        spinFor(20ms);
    };
    stream(20); // the last one 1.9 s after the first
    EXPECT_EQ(runs, 0);
    stream(1);
    ASSERT_TRUE(waitUntil([&] { return runs == 1; }, 1s));
    // Running ends the stream: the next one waits its own maximum.
    stream(20);
    EXPECT_EQ(runs, 1);
    stream(1);
    ASSERT_TRUE(waitUntil([&] { return runs == 2; }, 1s));
}
