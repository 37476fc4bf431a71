#pragma once

#include "views/PermissionPage.h"

// The onboarding page about seeing the network's name.
class LocationPermissionPage final : public PermissionPage {
    Q_OBJECT

public:
    explicit LocationPermissionPage(bool isAuthorized, QWidget* parent = nullptr);
};
