#include "system/linux/FreedesktopNotificationCenter.h"

#include "core/ContinueOn.h"
#include "system/linux/NotificationServerHint.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPromise>
#include <QVariantMap>

#include <memory>

namespace {
constexpr char kInterface[] = "org.freedesktop.Notifications";
// A notification server that has not answered by then is treated as absent.
constexpr int kCallTimeoutMs = 10'000;

QString describe(const QDBusError& error) {
    return error.message().isEmpty() ? QDBusError::errorString(error.type()) : error.message();
}
} // namespace

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection connection, QString desktop,
                                                             QObject* parent)
    : QObject(parent), m_connection(std::move(connection)) {
    if (desktop.isEmpty())
        desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    // Shown in the settings and on the welcome pages, so in the reader's language.
    const std::string hint = notificationServerHint(desktop.toStdString());
    m_advice = QCoreApplication::translate("NotificationServerHint", noServerText) + u' ' +
               QCoreApplication::translate("NotificationServerHint", hint.c_str());
}

template <typename T, typename Convert>
QFuture<T> FreedesktopNotificationCenter::call(const QDBusMessage& message, Convert convert) {
    // Shared with the watcher's handler; when this object goes first the promise is dropped, which
    // cancels the future instead of leaving it pending for ever.
    auto promise = std::make_shared<QPromise<T>>();
    promise->start();
    QFuture<T> future = promise->future();
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(message, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [promise, convert](QDBusPendingCallWatcher* done) {
                promise->addResult(convert(*done));
                promise->finish();
                done->deleteLater();
            });
    return future;
}

QFuture<NotificationAuthorization> FreedesktopNotificationCenter::askServer() {
    const auto message = QDBusMessage::createMethodCall(serviceName, objectPath, kInterface,
                                                        QStringLiteral("GetServerInformation"));
    return call<NotificationAuthorization>(message, [advice = m_advice](const QDBusPendingCall& reply) {
        if (reply.isError())
            return NotificationAuthorization{false, describe(reply.error()), advice};
        return NotificationAuthorization{true, std::nullopt, std::nullopt};
    });
}

QFuture<bool> FreedesktopNotificationCenter::authorizationStatus() {
    return continueOn(this, askServer(),
                      [](const NotificationAuthorization& answer) { return answer.granted; });
}

QFuture<NotificationAuthorization> FreedesktopNotificationCenter::requestAuthorization() {
    return askServer();
}

QFuture<std::optional<QString>> FreedesktopNotificationCenter::add(const NotificationRequest& request) {
    QVariantMap hints;
    hints.insert(QStringLiteral("category"), request.category);
    hints.insert(QString::fromLatin1(identifierHint), request.identifier);
    if (request.sound)
        hints.insert(QStringLiteral("sound-name"), QString::fromLatin1(defaultSoundName));
    else
        hints.insert(QStringLiteral("suppress-sound"), true); // some servers play a sound unless told not to

    auto message =
        QDBusMessage::createMethodCall(serviceName, objectPath, kInterface, QStringLiteral("Notify"));
    message << QStringLiteral("Linkmeter") << uint(0) << QString() << request.title << request.body
            << QStringList() << hints << int(-1);
    return call<std::optional<QString>>(message, [](const QDBusPendingCall& reply) -> std::optional<QString> {
        if (reply.isError())
            return describe(reply.error());
        return std::nullopt;
    });
}
