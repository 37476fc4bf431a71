#include "core/Debouncer.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

using namespace std::chrono_literals;

TEST(Debouncer, ABurstOfTriggersRunsTheActionOnceAfterTheQuietTime) {
    int runs = 0;
    qint64 ranAt = -1;
    qint64 lastTriggerAt = -1;
    QElapsedTimer clock;
    clock.start();
    Debouncer debouncer(300ms, [&] {
        ++runs;
        ranAt = clock.elapsed();
    });
    const auto trigger = [&] {
        // Runs after the quiet time only count if they follow the last trigger.
        if (runs == 0)
            lastTriggerAt = clock.elapsed();
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
    Debouncer debouncer(50ms, [&] { ++runs; });
    debouncer.trigger();
    ASSERT_TRUE(waitUntil([&] { return runs == 1; }, 1s));
    debouncer.trigger();
    ASSERT_TRUE(waitUntil([&] { return runs == 2; }, 1s));
}
