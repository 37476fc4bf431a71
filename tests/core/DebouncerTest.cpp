#include "core/Debouncer.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

using namespace std::chrono_literals;

TEST(Debouncer, ABurstOfTriggersRunsTheActionOnceAfterTheQuietTime) {
    int runs = 0;
    qint64 ranAt = -1;
    QElapsedTimer clock;
    clock.start();
    Debouncer debouncer(300ms, [&] {
        ++runs;
        ranAt = clock.elapsed();
    });

    // Three inputs 0.1 s apart.
    debouncer.trigger();
    QTimer::singleShot(100ms, &debouncer, [&] { debouncer.trigger(); });
    QTimer::singleShot(200ms, &debouncer, [&] { debouncer.trigger(); });

    ASSERT_TRUE(waitUntil([&] { return runs > 0; }, 2s));
    spinFor(400ms);
    EXPECT_EQ(runs, 1);
    // 0.3 s after the last trigger, not after the first.
    EXPECT_GE(ranAt, 480);
    EXPECT_LT(ranAt, 800);
}

TEST(Debouncer, TriggersFurtherApartThanTheQuietTimeRunEachTime) {
    int runs = 0;
    Debouncer debouncer(50ms, [&] { ++runs; });
    debouncer.trigger();
    ASSERT_TRUE(waitUntil([&] { return runs == 1; }, 1s));
    debouncer.trigger();
    ASSERT_TRUE(waitUntil([&] { return runs == 2; }, 1s));
}
