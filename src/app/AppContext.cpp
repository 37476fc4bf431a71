#include "app/AppContext.h"

#include "app/FirstSupported.h"
#include "app/ShellServices.h"
#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "core/LoginItemController.h"
#include "core/PingService.h"
#include "core/SystemClock.h"
#include "core/WiFiService.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "history/TimelineDatabase.h"
#include "history/TimelineQueries.h"
#include "history/TimelineWriter.h"
#include "probes/BandwidthService.h"
#include "probes/CaptivePortalService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/SpeedTestService.h"
#include "probes/WiFiScannerService.h"
#include "reports/ExportService.h"
#include "reports/UpdateService.h"
#include "system/linux/ApplicationInstance.h"
#include "system/linux/AutostartLoginItem.h"
#include "system/linux/DpkgPackageInspector.h"
#include "system/linux/FileManagerRevealer.h"
#include "system/linux/FreedesktopNotificationCenter.h"
#include "system/linux/GetifaddrsInterfaceSource.h"
#include "system/linux/IcmpSocketPinger.h"
#include "system/linux/IputilsPinger.h"
#include "system/linux/LinuxWiFiScanner.h"
#include "system/linux/NetworkManagerConnectionNames.h"
#include "system/linux/NetworkManagerScanTrigger.h"
#include "system/linux/Nl80211ScanSource.h"
#include "system/linux/Nl80211WiFiReader.h"
#include "system/linux/NmcliDNSSwitcher.h"
#include "system/linux/OpenLocationAuthorization.h"
#include "system/linux/ProcRouteGatewaySource.h"
#include "system/linux/ResolvConfResolverSource.h"
#include "system/linux/StatusNotifierItem.h"
#include "system/linux/SysfsInterfaceCounterSource.h"
#include "system/qt/DesktopUrlOpener.h"
#include "system/qt/GuiClipboard.h"
#include "system/qt/NetworkHttpClient.h"
#include "system/qt/ProcessCommandRunner.h"
#include "system/qt/QtApplicationControl.h"
#include "system/qt/SettingsPreferencesStore.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/FileSaveDialog.h"
#include "views/kit/Scheduler.h"

#include <cstring>

#include <unistd.h>

namespace {

// The session bus as the start-up checks left it: a process without one has an address that fails
// at once, so asking never starts a bus behind our back.
QDBusConnection sessionBus() {
    return QDBusConnection::sessionBus();
}

} // namespace

AppContext::AppContext(Options options) : m_options(options) {}

template <typename T> T& AppContext::plain() {
    return m_parts.get<T>([] { return std::make_unique<T>(); });
}

Clock& AppContext::clock() {
    return plain<SystemClock>();
}

CommandRunner& AppContext::commandRunner() {
    return plain<ProcessCommandRunner>();
}

Pinger& choosePinger(IcmpSocketPinger& socket, const std::function<Pinger&()>& tool) {
    return firstSupported<Pinger>({
        {[&socket]() -> std::optional<std::string> {
             int error = 0;
             if (socket.usable(&error))
                 return std::nullopt;
             return std::strerror(error);
         },
         [&socket]() -> Pinger& { return socket; },
         // Said once, so whoever wonders why pings start processes learns the reason.
         "Pinging with the ping tool, no ICMP socket allowed: "},
        {{}, tool},
    });
}

Pinger& AppContext::pinger() {
    // Chosen once: the kernel's permission does not change while we run.
    struct Chosen {
        Pinger& pinger;
    };
    return m_parts
        .get<Chosen>([this] {
            Pinger& chosen = choosePinger(plain<IcmpSocketPinger>(), [this]() -> Pinger& {
                const CommandRunner& runner = commandRunner();
                return m_parts.get<IputilsPinger>([&] { return std::make_unique<IputilsPinger>(runner); });
            });
            return std::make_unique<Chosen>(Chosen{chosen});
        })
        .pinger;
}

GatewaySource& AppContext::gatewaySource() {
    return plain<ProcRouteGatewaySource>();
}

ResolverSource& AppContext::resolverSource() {
    return plain<ResolvConfResolverSource>();
}

InterfaceSource& AppContext::interfaceSource() {
    return plain<GetifaddrsInterfaceSource>();
}

InterfaceCounterSource& AppContext::interfaceCounters() {
    return plain<SysfsInterfaceCounterSource>();
}

ConnectionNameSource& AppContext::connectionNames() {
    return m_parts.get<NetworkManagerConnectionNames>(
        [] { return std::make_unique<NetworkManagerConnectionNames>(QDBusConnection::systemBus()); });
}

DNSSwitcher& AppContext::dnsSwitcher() {
    // The switch waits for the user at the password prompt, which may take longer than any tool.
    struct PromptingRunner {
        ProcessCommandRunner runner{std::chrono::minutes(10)};
    };
    const CommandRunner& runner =
        m_parts.get<PromptingRunner>([] { return std::make_unique<PromptingRunner>(); }).runner;
    return m_parts.get<NmcliDNSSwitcher>([&] { return std::make_unique<NmcliDNSSwitcher>(runner); });
}

PreferencesStore& AppContext::preferences() {
    return plain<SettingsPreferencesStore>();
}

LoginItemService& AppContext::loginItems() {
    return plain<AutostartLoginItem>();
}

HttpClient& AppContext::http() {
    return m_parts.get<NetworkHttpClient>([] { return std::make_unique<NetworkHttpClient>(HttpTimeouts{}); });
}

WiFiInterfaceReader& AppContext::wifiReader() {
    return plain<Nl80211WiFiReader>();
}

WiFiScanner& AppContext::wifiScanner() {
    ScanTrigger& trigger = plain<NetworkManagerScanTrigger>();
    KernelScanSource& kernel = plain<Nl80211ScanSource>();
    return m_parts.get<LinuxWiFiScanner>([&] { return std::make_unique<LinuxWiFiScanner>(trigger, kernel); });
}

LocationAuthorization& AppContext::locationAuthorization() {
    return plain<OpenLocationAuthorization>();
}

NotificationCenter& AppContext::notificationCenter() {
    return m_parts.get<FreedesktopNotificationCenter>(
        [] { return std::make_unique<FreedesktopNotificationCenter>(sessionBus()); });
}

UrlOpener& AppContext::urlOpener() {
    return plain<DesktopUrlOpener>();
}

PackageInspector& AppContext::packageInspector() {
    const CommandRunner& runner = commandRunner();
    return m_parts.get<DpkgPackageInspector>([&] { return std::make_unique<DpkgPackageInspector>(runner); });
}

FileRevealer& AppContext::fileRevealer() {
    UrlOpener& opener = urlOpener();
    return m_parts.get<FileManagerRevealer>(
        [&] { return std::make_unique<FileManagerRevealer>(sessionBus(), opener); });
}

ApplicationControl& AppContext::applicationControl() {
    return plain<QtApplicationControl>();
}

Clipboard& AppContext::clipboard() {
    return plain<GuiClipboard>();
}

AppSettings& AppContext::settings() {
    PreferencesStore& store = preferences();
    return m_parts.get<AppSettings>([&] { return std::make_unique<AppSettings>(store); });
}

LoginItemController& AppContext::loginItemController() {
    PreferencesStore& store = preferences();
    LoginItemService& logins = loginItems();
    return m_parts.get<LoginItemController>(
        [&] { return std::make_unique<LoginItemController>(store, logins); });
}

WiFiService& AppContext::wifi() {
    WiFiInterfaceReader& reader = wifiReader();
    return m_parts.get<WiFiService>([&] { return std::make_unique<WiFiService>(reader); });
}

LocationService& AppContext::location() {
    LocationAuthorization& authorization = locationAuthorization();
    return m_parts.get<LocationService>([&] { return std::make_unique<LocationService>(authorization); });
}

PingService& AppContext::ping() {
    Pinger& chosen = pinger();
    GatewaySource& gateway = gatewaySource();
    Clock& time = clock();
    return m_parts.get<PingService>([&] { return std::make_unique<PingService>(chosen, gateway, time); });
}

NetworkMemoryService& AppContext::networkMemory() {
    PreferencesStore& store = preferences();
    Clock& time = clock();
    return m_parts.get<NetworkMemoryService>(
        [&] { return std::make_unique<NetworkMemoryService>(store, time); });
}

NotificationService& AppContext::notifications() {
    NotificationCenter& center = notificationCenter();
    AppSettings& appSettings = settings();
    Clock& time = clock();
    return m_parts.get<NotificationService>(
        [&] { return std::make_unique<NotificationService>(center, appSettings, time); });
}

RouterBrandService& AppContext::routerBrands() {
    return plain<RouterBrandService>();
}

CaptivePortalService& AppContext::captivePortal() {
    HttpClient& client = http();
    UrlOpener& opener = urlOpener();
    return m_parts.get<CaptivePortalService>(
        [&] { return std::make_unique<CaptivePortalService>(client, opener); });
}

DNSService& AppContext::dns() {
    ResolverSource& resolver = resolverSource();
    Clock& time = clock();
    return m_parts.get<DNSService>([&] { return std::make_unique<DNSService>(resolver, time); });
}

BandwidthService& AppContext::bandwidth() {
    InterfaceCounterSource& counters = interfaceCounters();
    Clock& time = clock();
    return m_parts.get<BandwidthService>([&] { return std::make_unique<BandwidthService>(counters, time); });
}

NetworkInfoService& AppContext::networkInfo() {
    InterfaceSource& interfaces = interfaceSource();
    ResolverSource& resolver = resolverSource();
    GatewaySource& gateway = gatewaySource();
    ConnectionNameSource& names = connectionNames();
    DNSSwitcher& switcher = dnsSwitcher();
    HttpClient& client = http();
    return m_parts.get<NetworkInfoService>([&] {
        return std::make_unique<NetworkInfoService>(interfaces, resolver, gateway, names, switcher, client);
    });
}

SpeedTestService& AppContext::speedTest() {
    HttpClient& client = http();
    Pinger& loadPinger = pinger();
    Clock& time = clock();
    return m_parts.get<SpeedTestService>(
        [&] { return std::make_unique<SpeedTestService>(client, loadPinger, time); });
}

WiFiScannerService& AppContext::scanner() {
    WiFiScanner& source = wifiScanner();
    Clock& time = clock();
    return m_parts.get<WiFiScannerService>(
        [&] { return std::make_unique<WiFiScannerService>(source, time); });
}

ExportService& AppContext::exporter() {
    // The save dialog is a widget, so it is picked here rather than among the platform pieces.
    FileSaveDialog& dialog = plain<FileSaveDialog>();
    Clipboard& board = clipboard();
    Clock& time = clock();
    return m_parts.get<ExportService>([&] { return std::make_unique<ExportService>(dialog, board, time); });
}

TimelineDatabase& AppContext::timelineDatabase() {
    const QString path = TimelineDatabase::defaultPath();
    Clock& time = clock();
    return m_parts.get<TimelineDatabase>([&] { return std::make_unique<TimelineDatabase>(path, time); });
}

TimelineWriter& AppContext::timelineWriter() {
    TimelineDatabase& database = timelineDatabase();
    Clock& time = clock();
    return m_parts.get<TimelineWriter>([&] { return std::make_unique<TimelineWriter>(database, time); });
}

TimelineQueries& AppContext::timelineQueries() {
    const TimelineDatabase& database = timelineDatabase();
    return m_parts.get<TimelineQueries>([&] { return std::make_unique<TimelineQueries>(database); });
}

UpdateService& AppContext::updates() {
    HttpClient& client = http();
    PreferencesStore& store = preferences();
    Clock& time = clock();
    PackageInspector& inspector = packageInspector();
    FileRevealer& revealer = fileRevealer();
    ApplicationControl& application = applicationControl();
    return m_parts.get<UpdateService>([&] {
        return std::make_unique<UpdateService>(client, store, time, inspector, revealer, application);
    });
}

Scheduler& AppContext::scheduler() {
    Clock& time = clock();
    return m_parts.get<EventLoopScheduler>([&] { return std::make_unique<EventLoopScheduler>(time); });
}

LinkmeterServices AppContext::viewModelServices() {
    return LinkmeterServices{wifi(),        location(),      settings(),      ping(),
                             dns(),         speedTest(),     captivePortal(), bandwidth(),
                             networkInfo(), notifications(), exporter()};
}

ShellServices AppContext::shellServices() {
    return {settings(), networkMemory(), routerBrands(), updates(),
            exporter(), scanner(),       networkInfo(),  scheduler()};
}

std::unique_ptr<StatusItem> AppContext::statusItem() {
    return m_options.sessionBus ? StatusNotifierItem::create(sessionBus()) : nullptr;
}

std::unique_ptr<ProgramInstance> AppContext::programInstance() {
    const QString name = QStringLiteral("app.linkmeter.Linkmeter");
    // Private to the user: the runtime folder where there is one, else a name with the user's id.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime.isEmpty() ? QStringLiteral("%1-%2").arg(name).arg(getuid())
                                             : QStringLiteral("%1/%2").arg(runtime, name);
    std::optional<QDBusConnection> bus;
    if (m_options.sessionBus)
        bus = sessionBus();
    return std::make_unique<ApplicationInstance>(bus, name, QStringLiteral("/app/linkmeter/Linkmeter"),
                                                 socket);
}
