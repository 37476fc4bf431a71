#include "system/linux/NetworkManagerKeyManagement.h"

#include "system/linux/NetworkManagerBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QMap>
#include <QStringList>
#include <QVariantMap>

namespace {
using ConnectionSettings = QMap<QString, QVariantMap>;
} // namespace

std::optional<wifi_mapping::KeyManagement> activeKeyManagement(const std::string& interfaceName) {
    return activeKeyManagement(QDBusConnection::systemBus(), interfaceName);
}

std::optional<wifi_mapping::KeyManagement> activeKeyManagement(const QDBusConnection& bus,
                                                               const std::string& interfaceName) {
    if (!bus.isConnected())
        return std::nullopt;
    static const QMetaType registered = qDBusRegisterMetaType<ConnectionSettings>();
    (void)registered;

    const auto active = network_manager::activeConnectionPath(bus, QString::fromStdString(interfaceName));
    if (!active)
        return std::nullopt;
    const auto settingsPath = network_manager::objectPathProperty(
        bus, *active, QStringLiteral("org.freedesktop.NetworkManager.Connection.Active"),
        QStringLiteral("Connection"));
    if (!settingsPath)
        return std::nullopt;
    const auto reply = network_manager::call(
        bus, *settingsPath, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
        QStringLiteral("GetSettings"), {});
    if (!reply || reply->metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto settings = qdbus_cast<ConnectionSettings>(reply->value<QDBusArgument>());
    if (settings.value(QStringLiteral("connection")).value(QStringLiteral("type")).toString() !=
        QStringLiteral("802-11-wireless"))
        return std::nullopt;

    wifi_mapping::KeyManagement result;
    const auto security = settings.find(QStringLiteral("802-11-wireless-security"));
    if (security == settings.end())
        return result; // open network
    result.keyMgmt = security->value(QStringLiteral("key-mgmt")).toString().toStdString();
    for (const QString& protocol : security->value(QStringLiteral("proto")).toStringList())
        result.protocols.push_back(protocol.toStdString());
    result.pmf = security->value(QStringLiteral("pmf")).toInt();
    return result;
}
