#pragma once

#include <memory>

class ApplicationControl;
class Clipboard;
class Clock;
class CommandRunner;
class ConnectionNameSource;
class DNSSwitcher;
class FileRevealer;
class GatewaySource;
class HttpClient;
class InterfaceCounterSource;
class InterfaceSource;
class LocationAuthorization;
class LoginItemService;
class NotificationCenter;
class PackageInspector;
class Pinger;
class PreferencesStore;
class ResolverSource;
class StatusItem;
class UrlOpener;
class WiFiInterfaceReader;
class WiFiScanner;

// The composition root: the one place that picks the real platform implementations. Each is created
// on first use and owned by the process's SharedInstances. Services' shared() instances take them
// from here; tests pass fakes to the services' constructors instead.
namespace platform {
Clock& clock();
CommandRunner& commandRunner();
Pinger& pinger();
GatewaySource& gatewaySource();
ResolverSource& resolverSource();
InterfaceSource& interfaceSource();
InterfaceCounterSource& interfaceCounters();
ConnectionNameSource& connectionNames();
DNSSwitcher& dnsSwitcher();
PreferencesStore& preferences();
LoginItemService& loginItems();
HttpClient& http();
WiFiInterfaceReader& wifiReader();
WiFiScanner& wifiScanner();
LocationAuthorization& locationAuthorization();
NotificationCenter& notificationCenter();
UrlOpener& urlOpener();
PackageInspector& packageInspector();
FileRevealer& fileRevealer();
ApplicationControl& applicationControl();
Clipboard& clipboard();
// A tray entry that carries text beside its icon, owned by the caller; none when the desktop has no
// StatusNotifierItem host, and the caller falls back to a plain tray icon.
std::unique_ptr<StatusItem> statusItem();
} // namespace platform
