#include "views/LocationPermissionPage.h"

LocationPermissionPage::LocationPermissionPage(bool isAuthorized, QWidget* parent)
    : PermissionPage({QStringLiteral("location.fill.viewfinder"), QStringLiteral("location.slash"),
                      Tone::blue, QStringLiteral("Location Access"),
                      QStringLiteral("Linkmeter needs location access to identify your network name (SSID). "
                                     "On Linux the system shares it with desktop apps without asking."),
                      QStringLiteral("Location access granted"), QStringLiteral("Allow Location Access")},
                     isAuthorized, parent) {}
