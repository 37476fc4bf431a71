#include "views/NotificationPermissionPage.h"

NotificationPermissionPage::NotificationPermissionPage(bool isAuthorized, QWidget* parent)
    : PermissionPage(
          {QStringLiteral("bell.badge.fill"), QStringLiteral("bell.slash"), Tone::orange,
           QStringLiteral("Notifications"),
           QStringLiteral("Get alerted when your connection has issues like high latency, packet loss, "
                          "or weak signal. You can customize these in Settings."),
           QStringLiteral("Notifications enabled"), QStringLiteral("Enable Notifications")},
          isAuthorized, parent) {}
