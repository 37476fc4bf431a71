#pragma once

#include <QFuture>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <utility>

// Runs `onResult(value)` (or `onCanceled()`) in the thread of `context` once `future` finishes, and
// drops it when `context` is gone by then. QFuture::then(context, ...) of Qt 6.4 asserts on a
// destroyed context instead of dropping the step, which a service released mid-request would hit.
template <typename T, typename OnResult, typename OnCanceled>
void continueOn(QObject* context, QFuture<T> future, OnResult onResult, OnCanceled onCanceled) {
    QPointer<QObject> guard(context);
    future
        .then([guard, onResult = std::move(onResult)](const T& value) {
            if (guard)
                QMetaObject::invokeMethod(guard.data(), [onResult, value]() mutable { onResult(value); });
        })
        .onCanceled([guard, onCanceled = std::move(onCanceled)] {
            if (guard)
                QMetaObject::invokeMethod(guard.data(), [onCanceled]() mutable { onCanceled(); });
        });
}

template <typename T, typename OnResult>
void continueOn(QObject* context, QFuture<T> future, OnResult onResult) {
    continueOn(context, std::move(future), std::move(onResult), [] {});
}
