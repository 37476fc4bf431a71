#include "system/linux/NetworkManagerBus.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace network_manager {

std::optional<QVariant> call(const QDBusConnection& bus, const QString& path, const QString& interface,
                             const QString& method, const QVariantList& arguments) {
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage message = QDBusMessage::createMethodCall(serviceName, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus.call(message, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst();
}

std::optional<QVariant> property(const QDBusConnection& bus, const QString& path, const QString& interface,
                                 const QString& name) {
    const auto value = call(bus, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                            QStringLiteral("Get"), {interface, name});
    if (!value)
        return std::nullopt;
    return value->value<QDBusVariant>().variant();
}

std::optional<QString> objectPathProperty(const QDBusConnection& bus, const QString& path,
                                          const QString& interface, const QString& name) {
    const auto value = property(bus, path, interface, name);
    if (!value)
        return std::nullopt;
    const QString result = value->value<QDBusObjectPath>().path();
    if (result.isEmpty() || result == QStringLiteral("/"))
        return std::nullopt;
    return result;
}

std::optional<QString> activeConnectionPath(const QDBusConnection& bus, const QString& interfaceName) {
    const auto device =
        call(bus, objectPath, serviceName, QStringLiteral("GetDeviceByIpIface"), {interfaceName});
    if (!device)
        return std::nullopt;
    const QString devicePath = device->value<QDBusObjectPath>().path();
    if (devicePath.isEmpty())
        return std::nullopt;
    return objectPathProperty(bus, devicePath, QStringLiteral("org.freedesktop.NetworkManager.Device"),
                              QStringLiteral("ActiveConnection"));
}

} // namespace network_manager
