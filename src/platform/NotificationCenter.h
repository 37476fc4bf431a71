#pragma once

#include <QFuture>
#include <QString>

#include <optional>

// One notification to show at once.
struct NotificationRequest {
    QString identifier; // unique per request
    QString title;
    QString body;
    QString category;
    bool sound = false; // the desktop's default notification sound, or none
};

struct NotificationAuthorization {
    bool granted = false;
    std::optional<QString> error;  // why the answer could not be had, for the log
    std::optional<QString> advice; // when not granted: what happened and what the user can do
};

// The desktop's notification facility. Futures complete on the main thread.
class NotificationCenter {
public:
    virtual ~NotificationCenter() = default;

    // Whether notifications from this program are currently shown.
    virtual QFuture<bool> authorizationStatus() = 0;
    // Asks for permission (again); the answer says whether it was given.
    virtual QFuture<NotificationAuthorization> requestAuthorization() = 0;
    // Hands the notification over; completes with nothing, or the reason it was refused.
    virtual QFuture<std::optional<QString>> add(const NotificationRequest& request) = 0;
};
