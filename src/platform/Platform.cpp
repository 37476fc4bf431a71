#include "platform/Platform.h"

#include "platform/Clock.h"
#include "platform/SharedInstances.h"
#include "platform/linux/ApplicationInstance.h"
#include "platform/linux/AutostartLoginItem.h"
#include "platform/linux/DpkgPackageInspector.h"
#include "platform/linux/FileManagerRevealer.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/GetifaddrsInterfaceSource.h"
#include "platform/linux/IcmpSocketPinger.h"
#include "platform/linux/IputilsPinger.h"
#include "platform/linux/LinuxWiFiScanner.h"
#include "platform/linux/NetworkManagerConnectionNames.h"
#include "platform/linux/NetworkManagerScanTrigger.h"
#include "platform/linux/Nl80211ScanSource.h"
#include "platform/linux/Nl80211WiFiReader.h"
#include "platform/linux/NmcliDNSSwitcher.h"
#include "platform/linux/OpenLocationAuthorization.h"
#include "platform/linux/PingerChoice.h"
#include "platform/linux/ProcRouteGatewaySource.h"
#include "platform/linux/ResolvConfResolverSource.h"
#include "platform/linux/StatusNotifierItem.h"
#include "platform/linux/SysfsInterfaceCounterSource.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/GuiClipboard.h"
#include "platform/qt/NetworkHttpClient.h"
#include "platform/qt/ProcessCommandRunner.h"
#include "platform/qt/QtApplicationControl.h"
#include "platform/qt/SettingsPreferencesStore.h"

#include <memory>
#include <optional>

#include <unistd.h>

namespace platform {

namespace {
// The one instance of an implementation with no constructor arguments.
template <typename T> T& plain() {
    return SharedInstances::get<T>([] { return std::make_unique<T>(); });
}

// The session bus, if the session has one. Asking Qt for it without an address would have libdbus
// start a bus of its own that outlives the program.
std::optional<QDBusConnection> sessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return std::nullopt;
    return QDBusConnection::sessionBus();
}
} // namespace

Clock& clock() {
    return plain<SystemClock>();
}

CommandRunner& commandRunner() {
    return plain<ProcessCommandRunner>();
}

Pinger& pinger() {
    // Chosen once: the kernel's permission does not change while we run.
    struct Chosen {
        Pinger& pinger;
    };
    return SharedInstances::get<Chosen>([] {
               Pinger& chosen = choosePinger(plain<IcmpSocketPinger>(), []() -> Pinger& {
                   const CommandRunner& runner = commandRunner();
                   return SharedInstances::get<IputilsPinger>(
                       [&] { return std::make_unique<IputilsPinger>(runner); });
               });
               return std::make_unique<Chosen>(Chosen{chosen});
           })
        .pinger;
}

GatewaySource& gatewaySource() {
    return plain<ProcRouteGatewaySource>();
}

ResolverSource& resolverSource() {
    return plain<ResolvConfResolverSource>();
}

InterfaceSource& interfaceSource() {
    return plain<GetifaddrsInterfaceSource>();
}

InterfaceCounterSource& interfaceCounters() {
    return plain<SysfsInterfaceCounterSource>();
}

ConnectionNameSource& connectionNames() {
    return SharedInstances::get<NetworkManagerConnectionNames>(
        [] { return std::make_unique<NetworkManagerConnectionNames>(QDBusConnection::systemBus()); });
}

DNSSwitcher& dnsSwitcher() {
    // The switch waits for the user at the password prompt, which may take longer than any tool.
    struct PromptingRunner {
        ProcessCommandRunner runner{std::chrono::minutes(10)};
    };
    const CommandRunner& runner =
        SharedInstances::get<PromptingRunner>([] { return std::make_unique<PromptingRunner>(); }).runner;
    return SharedInstances::get<NmcliDNSSwitcher>([&] { return std::make_unique<NmcliDNSSwitcher>(runner); });
}

PreferencesStore& preferences() {
    return plain<SettingsPreferencesStore>();
}

LoginItemService& loginItems() {
    return plain<AutostartLoginItem>();
}

HttpClient& http() {
    return SharedInstances::get<NetworkHttpClient>(
        [] { return std::make_unique<NetworkHttpClient>(HttpTimeouts{}); });
}

WiFiInterfaceReader& wifiReader() {
    return plain<Nl80211WiFiReader>();
}

WiFiScanner& wifiScanner() {
    ScanTrigger& trigger = plain<NetworkManagerScanTrigger>();
    KernelScanSource& kernel = plain<Nl80211ScanSource>();
    return SharedInstances::get<LinuxWiFiScanner>(
        [&] { return std::make_unique<LinuxWiFiScanner>(trigger, kernel); });
}

LocationAuthorization& locationAuthorization() {
    return plain<OpenLocationAuthorization>();
}

NotificationCenter& notificationCenter() {
    return SharedInstances::get<FreedesktopNotificationCenter>(
        [] { return std::make_unique<FreedesktopNotificationCenter>(QDBusConnection::sessionBus()); });
}

UrlOpener& urlOpener() {
    return plain<DesktopUrlOpener>();
}

PackageInspector& packageInspector() {
    const CommandRunner& runner = commandRunner();
    return SharedInstances::get<DpkgPackageInspector>(
        [&] { return std::make_unique<DpkgPackageInspector>(runner); });
}

FileRevealer& fileRevealer() {
    UrlOpener& opener = urlOpener();
    return SharedInstances::get<FileManagerRevealer>(
        [&] { return std::make_unique<FileManagerRevealer>(QDBusConnection::sessionBus(), opener); });
}

ApplicationControl& applicationControl() {
    return plain<QtApplicationControl>();
}

Clipboard& clipboard() {
    return plain<GuiClipboard>();
}

std::unique_ptr<StatusItem> statusItem() {
    const auto bus = sessionBus();
    return bus ? StatusNotifierItem::create(*bus) : nullptr;
}

std::unique_ptr<ProgramInstance> programInstance() {
    const QString name = QStringLiteral("app.linkmeter.Linkmeter");
    // Private to the user: the runtime folder where there is one, else a name with the user's id.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime.isEmpty() ? QStringLiteral("%1-%2").arg(name).arg(getuid())
                                             : QStringLiteral("%1/%2").arg(runtime, name);
    return std::make_unique<ApplicationInstance>(sessionBus(), name,
                                                 QStringLiteral("/app/linkmeter/Linkmeter"), socket);
}

} // namespace platform
