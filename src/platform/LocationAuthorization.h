#pragma once

#include <functional>

// Authorization status codes: not determined 0, restricted 1, denied 2, authorized always 3,
// authorized when in use 4.
namespace location_status {
inline constexpr int notDetermined = 0;
inline constexpr int restricted = 1;
inline constexpr int denied = 2;
inline constexpr int authorizedAlways = 3;
inline constexpr int authorizedWhenInUse = 4;
} // namespace location_status

// The platform's location permission: only its state and the request, never a location.
class LocationAuthorization {
public:
    virtual ~LocationAuthorization() = default;
    virtual int authorizationStatus() const = 0;
    // The answer arrives later through the change handler.
    virtual void requestWhenInUseAuthorization() = 0;
    // Called on the main thread whenever the status may have changed.
    virtual void setChangeHandler(std::function<void()> handler) = 0;
    // Whether the user can refuse the permission at all; where not, there is nothing to ask for.
    virtual bool canBeDenied() const { return true; }
};
