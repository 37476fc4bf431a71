#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

// Blocking calls to NetworkManager with a short limit: they are made on the main thread, and a hung
// bus must not freeze the interface. Every failure (no bus, no NetworkManager, an error reply,
// silence) gives none.
namespace network_manager {

inline constexpr char serviceName[] = "org.freedesktop.NetworkManager";
inline constexpr char objectPath[] = "/org/freedesktop/NetworkManager";
inline constexpr int callTimeoutMs = 300;

// The first value of the reply to `method`.
std::optional<QVariant> call(const QDBusConnection& bus, const QString& path, const QString& interface,
                             const QString& method, const QVariantList& arguments);
// A property's value.
std::optional<QVariant> property(const QDBusConnection& bus, const QString& path, const QString& interface,
                                 const QString& name);
// A property holding an object path; "/" (NetworkManager's "none") gives none too.
std::optional<QString> objectPathProperty(const QDBusConnection& bus, const QString& path,
                                          const QString& interface, const QString& name);
// The object path of the connection active on the interface with this IP interface name.
std::optional<QString> activeConnectionPath(const QDBusConnection& bus, const QString& interfaceName);

} // namespace network_manager
