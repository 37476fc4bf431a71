#include "core/ContinueOn.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPromise>
#include <QThread>
#include <QtConcurrent>

#include <memory>
#include <thread>

using namespace std::chrono_literals;

TEST(ContinueOn, StepIsQueuedToTheMainThreadAndItsValueCompletesTheReturnedFuture) {
    QObject context;
    QThread* ranOn = nullptr;
    auto doubled = continueOn(&context, QtFuture::makeReadyFuture(21), [&](int value) {
        ranOn = QThread::currentThread();
        return value * 2;
    });
    EXPECT_EQ(ranOn, nullptr); // a finished future still does not run the step inside the call

    ASSERT_TRUE(waitUntil([&] { return doubled.isFinished(); }));
    EXPECT_EQ(ranOn, QCoreApplication::instance()->thread());
    EXPECT_EQ(doubled.result(), 42);

    // Steps chain on a future of nothing, finished on a worker thread.
    bool chained = false;
    auto both = continueOn(&context, QtConcurrent::run([] { QThread::msleep(5); }), [] {});
    auto after = continueOn(&context, both, [&] { chained = true; });
    ASSERT_TRUE(waitUntil([&] { return after.isFinished(); }));
    EXPECT_TRUE(chained);
    EXPECT_FALSE(after.isCanceled());
}

TEST(ContinueOn, ContextDestroyedBeforeTheStepRunsDropsItAndCancelsTheFuture) {
    auto context = std::make_unique<QObject>();
    bool ran = false;
    bool canceledRan = false;
    QPromise<int> promise;
    promise.start();
    auto step = continueOn(
        context.get(), promise.future(), [&](int) { ran = true; }, [&] { canceledRan = true; });
    // Finished on another thread while the context is alive: the step is already queued when the
    // context goes.
    std::thread([&] {
        promise.addResult(1);
        promise.finish();
    }).join();
    context.reset();

    ASSERT_TRUE(waitUntil([&] { return step.isFinished(); }));
    EXPECT_TRUE(step.isCanceled());
    EXPECT_FALSE(ran);
    EXPECT_FALSE(canceledRan);
}

TEST(ContinueOn, CanceledFutureRunsTheCancelStepOnTheMainThread) {
    QObject context;
    QPromise<int> promise;
    promise.start();
    bool ran = false;
    QThread* canceledOn = nullptr;
    auto step = continueOn(
        &context, promise.future(), [&](int) { ran = true; }, [&] { canceledOn = QThread::currentThread(); });

    std::thread([&] {
        promise.future().cancel();
        promise.finish();
    }).join();

    ASSERT_TRUE(waitUntil([&] { return step.isFinished(); }));
    EXPECT_TRUE(step.isCanceled());
    EXPECT_FALSE(ran);
    EXPECT_EQ(canceledOn, QCoreApplication::instance()->thread());
}
