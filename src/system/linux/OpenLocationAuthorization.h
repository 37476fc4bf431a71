#pragma once

#include "platform/LocationAuthorization.h"

// Linux hands network names to every program, so there is nothing to ask for: the permission is
// always held and never changes.
class OpenLocationAuthorization final : public LocationAuthorization {
public:
    int authorizationStatus() const override { return location_status::authorizedWhenInUse; }
    void requestWhenInUseAuthorization() override {}
    void setChangeHandler(std::function<void()>) override {}
    bool canBeDenied() const override { return false; }
};
