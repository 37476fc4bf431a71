#pragma once

#include "app/PartRegistry.h"

#include <functional>
#include <memory>

class AppSettings;
class ApplicationControl;
class BandwidthService;
class CaptivePortalService;
class Clipboard;
class Clock;
class CommandRunner;
class ConnectionNameSource;
class DNSService;
class DNSSwitcher;
class ExportService;
class FileRevealer;
class GatewaySource;
class HttpClient;
class InterfaceCounterSource;
class InterfaceSource;
class LocationAuthorization;
class LocationService;
class LoginItemController;
class LoginItemService;
class NetworkInfoService;
class NetworkMemoryService;
class NotificationCenter;
class NotificationService;
class PackageInspector;
class PingService;
class Pinger;
class PreferencesStore;
class ProgramInstance;
class ResolverSource;
class RouterBrandService;
class Scheduler;
class SpeedTestService;
class StatusItem;
class TimelineDatabase;
class TimelineQueries;
class TimelineWriter;
class UpdateService;
class UrlOpener;
class WiFiInterfaceReader;
class WiFiScanner;
class WiFiScannerService;
class WiFiService;
class IcmpSocketPinger;
struct LinkmeterServices;
struct ShellServices;

// First that works wins: the socket pinger where the kernel lets us open its socket, else the pinger
// `tool` makes (the ping tool), which is then the only one made; the fallback is said once, with the
// kernel's reason.
Pinger& choosePinger(IcmpSocketPinger& socket, const std::function<Pinger&()>& tool);

// The composition root: the one place that picks the system's implementations of the platform
// interfaces and puts the services together from them. Each part is made on first use, so a mode
// that needs a few (the report) makes only those, and all are destroyed newest first with the
// context, while the event loop, the buses and the network stack still exist.
class AppContext final {
public:
    struct Options {
        // Without a session bus there is no tray item and nothing to hand notifications to.
        bool sessionBus = true;
    };

    explicit AppContext(Options options);
    AppContext() : AppContext(Options{}) {}

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

    AppSettings& settings();
    LoginItemController& loginItemController();
    WiFiService& wifi();
    LocationService& location();
    PingService& ping();
    NetworkMemoryService& networkMemory();
    NotificationService& notifications();
    RouterBrandService& routerBrands();
    CaptivePortalService& captivePortal();
    DNSService& dns();
    BandwidthService& bandwidth();
    NetworkInfoService& networkInfo();
    SpeedTestService& speedTest();
    WiFiScannerService& scanner();
    ExportService& exporter();
    TimelineDatabase& timelineDatabase();
    TimelineWriter& timelineWriter();
    TimelineQueries& timelineQueries();
    UpdateService& updates();

    // Time for the views' own short waits (a message shown for two seconds).
    Scheduler& scheduler();

    LinkmeterServices viewModelServices();
    ShellServices shellServices();

    // The tray entry with text beside its icon, owned by the caller; none without a session bus.
    std::unique_ptr<StatusItem> statusItem();
    // The guard that keeps one running copy of the program per session, owned by the caller.
    std::unique_ptr<ProgramInstance> programInstance();

private:
    // The one part of an implementation with no constructor arguments.
    template <typename T> T& plain();

    Options m_options;
    PartRegistry m_parts;
};
