#pragma once

#include "platform/ConnectionNameSource.h"

#include <QDBusConnection>

// The name (id) of the NetworkManager connection active on an interface, over the system bus.
class NetworkManagerConnectionNames final : public ConnectionNameSource {
public:
    explicit NetworkManagerConnectionNames(QDBusConnection bus = QDBusConnection::systemBus());

    std::optional<std::string> connectionName(const std::string& interfaceName) const override;

private:
    QDBusConnection m_bus;
};
