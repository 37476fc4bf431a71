#include "system/linux/NetworkManagerConnectionNames.h"

#include "system/linux/NetworkManagerBus.h"

NetworkManagerConnectionNames::NetworkManagerConnectionNames(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::optional<std::string>
NetworkManagerConnectionNames::connectionName(const std::string& interfaceName) const {
    const auto active = network_manager::activeConnectionPath(m_bus, QString::fromStdString(interfaceName));
    if (!active)
        return std::nullopt;
    const auto id = network_manager::property(
        m_bus, *active, QStringLiteral("org.freedesktop.NetworkManager.Connection.Active"),
        QStringLiteral("Id"));
    if (!id || id->metaType() != QMetaType::fromType<QString>() || id->toString().isEmpty())
        return std::nullopt;
    return id->toString().toStdString();
}
