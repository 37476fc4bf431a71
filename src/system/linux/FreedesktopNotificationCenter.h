#pragma once

#include "platform/NotificationCenter.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;
class QDBusPendingCallWatcher;

// Desktop notifications through the org.freedesktop.Notifications service on the session bus. There
// is no per-program permission there: notifications count as allowed when a notification server
// answers on the bus, and a refusal says how to get one on the current desktop.
class FreedesktopNotificationCenter final : public QObject, public NotificationCenter {
    Q_OBJECT

public:
    static constexpr char serviceName[] = "org.freedesktop.Notifications";
    static constexpr char objectPath[] = "/org/freedesktop/Notifications";
    // Sound theme name used for notifications that ask for the default sound.
    static constexpr char defaultSoundName[] = "message-new-instant";
    // Vendor hint carrying the request identifier, so servers and tests can tell requests apart.
    static constexpr char identifierHint[] = "x-linkmeter-identifier";

    static constexpr char noServerText[] =
        QT_TRANSLATE_NOOP("NotificationServerHint", "No notification service is running.");

    // `desktop` is XDG_CURRENT_DESKTOP's value, read when empty.
    explicit FreedesktopNotificationCenter(QDBusConnection connection = QDBusConnection::sessionBus(),
                                           QString desktop = {}, QObject* parent = nullptr);

    QFuture<bool> authorizationStatus() override;
    QFuture<NotificationAuthorization> requestAuthorization() override;
    QFuture<std::optional<QString>> add(const NotificationRequest& request) override;

private:
    template <typename T, typename Convert> QFuture<T> call(const QDBusMessage& message, Convert convert);
    QFuture<NotificationAuthorization> askServer();

    QDBusConnection m_connection;
    QString m_advice;
};
