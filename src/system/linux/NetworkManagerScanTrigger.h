#pragma once

#include "system/linux/ScanTrigger.h"

#include <QDBusConnection>

// Asks NetworkManager over the system bus to scan (polkit lets the active local user do this
// without a password) and waits until the device's LastScan stamp moves. Every bus call counts
// against the caller's limit, so a NetworkManager that never answers cannot hold the scan past it.
class NetworkManagerScanTrigger final : public ScanTrigger {
public:
    explicit NetworkManagerScanTrigger(QDBusConnection bus = QDBusConnection::systemBus());

    Outcome requestScan(const std::string& interfaceName, std::chrono::milliseconds limit) override;

private:
    QDBusConnection m_bus;
};
