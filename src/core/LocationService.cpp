#include "core/LocationService.h"

#include "platform/LocationAuthorization.h"

#include <QPointer>

bool isAuthorizedStatus(int status) {
    return status == location_status::authorizedAlways || status == location_status::authorizedWhenInUse;
}

LocationService::LocationService(LocationAuthorization& authorization, QObject* parent)
    : QObject(parent), m_authorization(authorization) {
    QPointer<LocationService> self(this);
    m_authorization.setChangeHandler([self] {
        if (self)
            self->storeStatus(self->m_authorization.authorizationStatus());
    });
    storeStatus(m_authorization.authorizationStatus());
}

bool LocationService::canBeDenied() const {
    return m_authorization.canBeDenied();
}

void LocationService::requestWhenInUseAuthorization() {
    m_authorization.requestWhenInUseAuthorization();
}

void LocationService::storeStatus(int status) {
    m_authorizationStatus = status;
    emit authorizationStatusChanged(m_authorizationStatus);
    m_isAuthorized = isAuthorizedStatus(m_authorizationStatus);
    emit isAuthorizedChanged(m_isAuthorized);
}
