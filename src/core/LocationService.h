#pragma once

#include <QObject>

class LocationAuthorization;

// True exactly for "authorized always" (3) and "authorized when in use" (4).
bool isAuthorizedStatus(int status);

// Tracks whether the program may see network names and addresses.
class LocationService final : public QObject {
    Q_OBJECT

public:
    explicit LocationService(LocationAuthorization& authorization, QObject* parent = nullptr);

    int authorizationStatus() const { return m_authorizationStatus; }
    bool isAuthorized() const { return m_isAuthorized; }
    // False where the platform has no such permission, so nothing needs asking.
    bool canBeDenied() const;

    void requestWhenInUseAuthorization();

signals:
    void authorizationStatusChanged(int status);
    void isAuthorizedChanged(bool authorized);

private:
    void storeStatus(int status);

    LocationAuthorization& m_authorization;
    int m_authorizationStatus = 0;
    bool m_isAuthorized = false;
};
