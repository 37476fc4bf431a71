#include "platform/Platform.h"

#include <QCoreApplication>

#include "platform/Clock.h"
#include "platform/linux/AutostartLoginItem.h"
#include "platform/linux/FreedesktopNotificationCenter.h"
#include "platform/linux/LinuxWiFiScanner.h"
#include "platform/linux/NetworkManagerScanTrigger.h"
#include "platform/linux/Nl80211ScanSource.h"
#include "platform/linux/Nl80211WiFiReader.h"
#include "platform/linux/OpenLocationAuthorization.h"
#include "platform/linux/ProcRouteGatewaySource.h"
#include "platform/linux/ResolvConfResolverSource.h"
#include "platform/qt/DesktopUrlOpener.h"
#include "platform/qt/NetworkHttpClient.h"
#include "platform/qt/ProcessCommandRunner.h"
#include "platform/qt/SettingsPreferencesStore.h"

namespace platform {

Clock& clock() {
    static SystemClock instance;
    return instance;
}

CommandRunner& commandRunner() {
    static ProcessCommandRunner instance;
    return instance;
}

GatewaySource& gatewaySource() {
    static ProcRouteGatewaySource instance;
    return instance;
}

ResolverSource& resolverSource() {
    static ResolvConfResolverSource instance;
    return instance;
}

PreferencesStore& preferences() {
    static SettingsPreferencesStore instance;
    return instance;
}

LoginItemService& loginItems() {
    static AutostartLoginItem instance;
    return instance;
}

HttpClient& http() {
    // Owned by the application object, so its network stack goes down before the event loop does.
    static auto* instance = new NetworkHttpClient(HttpTimeouts{}, QCoreApplication::instance());
    return *instance;
}

WiFiInterfaceReader& wifiReader() {
    static Nl80211WiFiReader instance;
    return instance;
}

WiFiScanner& wifiScanner() {
    static NetworkManagerScanTrigger trigger;
    static Nl80211ScanSource kernel;
    static LinuxWiFiScanner instance(trigger, kernel);
    return instance;
}

LocationAuthorization& locationAuthorization() {
    static OpenLocationAuthorization instance;
    return instance;
}

NotificationCenter& notificationCenter() {
    // Owned by the application object, so its bus replies stop before the event loop does.
    static auto* instance =
        new FreedesktopNotificationCenter(QDBusConnection::sessionBus(), QCoreApplication::instance());
    return *instance;
}

UrlOpener& urlOpener() {
    static DesktopUrlOpener instance;
    return instance;
}

} // namespace platform
