#pragma once

class Clock;
class CommandRunner;
class GatewaySource;
class HttpClient;
class LocationAuthorization;
class LoginItemService;
class NotificationCenter;
class PreferencesStore;
class ResolverSource;
class UrlOpener;
class WiFiInterfaceReader;
class WiFiScanner;

// The real platform implementations, created once per process on first use. Services' shared()
// instances take them from here; tests pass fakes to the services' constructors instead.
namespace platform {
Clock& clock();
CommandRunner& commandRunner();
GatewaySource& gatewaySource();
ResolverSource& resolverSource();
PreferencesStore& preferences();
LoginItemService& loginItems();
HttpClient& http();
WiFiInterfaceReader& wifiReader();
WiFiScanner& wifiScanner();
LocationAuthorization& locationAuthorization();
NotificationCenter& notificationCenter();
UrlOpener& urlOpener();
} // namespace platform
