#pragma once

#include "views/PermissionPage.h"

// The onboarding page about desktop notifications.
class NotificationPermissionPage final : public PermissionPage {
    Q_OBJECT

public:
    explicit NotificationPermissionPage(bool isAuthorized, QWidget* parent = nullptr);
};
