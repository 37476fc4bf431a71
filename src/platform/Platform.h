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
class ProgramInstance;
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
// A tray entry that carries text beside its icon, owned by the caller; none without a session bus.
// It tells when a panel shows it; until one does, the caller falls back to a plain tray icon or a window.
std::unique_ptr<StatusItem> statusItem();
// The guard that keeps one running copy of the program per session, owned by the caller.
std::unique_ptr<ProgramInstance> programInstance();
} // namespace platform
