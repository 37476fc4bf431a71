#pragma once

#include <QCoreApplication>
#include <QFuture>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QPromise>

#include <memory>
#include <type_traits>
#include <utility>

namespace continue_on_detail {

template <typename T, typename F> struct StepResult { using type = std::invoke_result_t<F&, T&&>; };

template <typename F> struct StepResult<void, F> { using type = std::invoke_result_t<F&>; };

template <typename Step> void postToMainThread(Step step) {
    // Without an application the step is dropped, which cancels the future waiting on it.
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(step), Qt::QueuedConnection);
}

} // namespace continue_on_detail

// Runs `onResult(value)` (or `onCanceled()`) on the main thread once `future` finishes, unless
// `context` is gone by then, and returns a future of what `onResult` returns (canceled when the step
// is dropped or `future` was canceled). QFuture::then(context, ...) of Qt 6.4 asserts on a destroyed
// context instead of dropping the step, which a service released mid-request would hit.
//
// `context` must live on the main thread. The liveness check is made there, in the same queued step
// that runs the callback, so it cannot race with the context's deletion. The step is always queued,
// even for a future that is already finished.
template <typename T, typename OnResult, typename OnCanceled>
auto continueOn(QObject* context, QFuture<T> future, OnResult onResult, OnCanceled onCanceled) {
    using R = typename continue_on_detail::StepResult<T, OnResult>::type;
    Q_ASSERT(context && QCoreApplication::instance() &&
             context->thread() == QCoreApplication::instance()->thread());

    struct State {
        State(QObject* context, OnResult onResult, OnCanceled onCanceled)
            : guard(context), onResult(std::move(onResult)), onCanceled(std::move(onCanceled)) {}
        QPointer<QObject> guard;
        OnResult onResult;
        OnCanceled onCanceled;
        QPromise<R> promise;
    };
    auto state = std::make_shared<State>(context, std::move(onResult), std::move(onCanceled));
    state->promise.start();
    QFuture<R> result = state->promise.future();

    // Called on the main thread only.
    const auto finish = [](State& s, auto&&... value) {
        if (!s.guard) {
            s.promise.future().cancel();
        } else if constexpr (std::is_void_v<R>) {
            s.onResult(std::forward<decltype(value)>(value)...);
        } else {
            s.promise.addResult(s.onResult(std::forward<decltype(value)>(value)...));
        }
        s.promise.finish();
    };

    QFuture<void> delivered;
    if constexpr (std::is_void_v<T>) {
        delivered = future.then(
            [state, finish] { continue_on_detail::postToMainThread([state, finish] { finish(*state); }); });
    } else {
        delivered = future.then([state, finish](const T& value) {
            continue_on_detail::postToMainThread(
                [state, finish, value]() mutable { finish(*state, std::move(value)); });
        });
    }
    delivered.onCanceled([state] {
        continue_on_detail::postToMainThread([state] {
            if (state->guard)
                state->onCanceled();
            state->promise.future().cancel();
            state->promise.finish();
        });
    });
    return result;
}

template <typename T, typename OnResult>
auto continueOn(QObject* context, QFuture<T> future, OnResult onResult) {
    return continueOn(context, std::move(future), std::move(onResult), [] {});
}
