#include "views/LocationPermissionPage.h"

LocationPermissionPage::LocationPermissionPage(bool isAuthorized, QWidget* parent)
    : PermissionPage({QStringLiteral("location.fill.viewfinder"), QStringLiteral("location.slash"),
                      Tone::blue, tr("Location Access"),
                      tr("Linkmeter needs location access to identify your network name (SSID). "
                         "On Linux the system shares it with desktop apps without asking."),
                      tr("Location access granted"), tr("Allow Location Access")},
                     isAuthorized, parent) {}
