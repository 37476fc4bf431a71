#include "platform/linux/NetworkManagerKeyManagement.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMap>
#include <QStringList>
#include <QVariantMap>

namespace {

using ConnectionSettings = QMap<QString, QVariantMap>;

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
// The link is read on the main thread: a hung bus must not freeze the interface.
constexpr int kTimeoutMs = 300;

std::optional<QVariant> call(const QString& path, const QString& interface, const QString& method,
                             const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::systemBus().call(message, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst();
}

std::optional<QString> objectPathProperty(const QString& path, const QString& interface,
                                          const QString& name) {
    const auto value = call(path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                            {interface, name});
    if (!value)
        return std::nullopt;
    const QVariant inner = value->value<QDBusVariant>().variant();
    const QString result = inner.value<QDBusObjectPath>().path();
    if (result.isEmpty() || result == QStringLiteral("/"))
        return std::nullopt;
    return result;
}

} // namespace

std::optional<wifi_mapping::KeyManagement> activeKeyManagement(const std::string& interfaceName) {
    if (!QDBusConnection::systemBus().isConnected())
        return std::nullopt;
    static const QMetaType registered = qDBusRegisterMetaType<ConnectionSettings>();
    (void)registered;

    const auto device = call(QStringLiteral("/org/freedesktop/NetworkManager"), kService,
                             QStringLiteral("GetDeviceByIpIface"), {QString::fromStdString(interfaceName)});
    if (!device)
        return std::nullopt;
    const QString devicePath = device->value<QDBusObjectPath>().path();
    if (devicePath.isEmpty())
        return std::nullopt;
    const auto active =
        objectPathProperty(devicePath, QStringLiteral("org.freedesktop.NetworkManager.Device"),
                           QStringLiteral("ActiveConnection"));
    if (!active)
        return std::nullopt;
    const auto settingsPath =
        objectPathProperty(*active, QStringLiteral("org.freedesktop.NetworkManager.Connection.Active"),
                           QStringLiteral("Connection"));
    if (!settingsPath)
        return std::nullopt;
    const auto reply =
        call(*settingsPath, QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
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
