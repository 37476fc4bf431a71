#include "views/NotificationPermissionPage.h"

NotificationPermissionPage::NotificationPermissionPage(bool isAuthorized, QWidget* parent)
    : PermissionPage({QStringLiteral("bell.badge.fill"), QStringLiteral("bell.slash"), Tone::orange,
                      tr("Notifications"),
                      tr("Get alerted when your connection has issues like high latency, packet loss, "
                         "or weak signal. You can customize these in Settings."),
                      tr("Notifications enabled"), tr("Enable Notifications")},
                     isAuthorized, parent) {}
