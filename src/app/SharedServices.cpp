// The one place where the process-wide services are put together from the platform pieces that
// platform/Platform.cpp picks. Each is made on first use and owned by main()'s SharedInstances.
#include "core/AppSettings.h"
#include "core/LocationService.h"
#include "core/PingService.h"
#include "core/WiFiService.h"
#include "diagnosis/NetworkMemoryService.h"
#include "diagnosis/NotificationService.h"
#include "diagnosis/RouterBrandService.h"
#include "platform/Platform.h"
#include "platform/SharedInstances.h"
#include "probes/BandwidthService.h"
#include "probes/CaptivePortalService.h"
#include "probes/DNSService.h"
#include "probes/NetworkInfoService.h"
#include "probes/SpeedTestService.h"
#include "probes/WiFiScannerService.h"
#include "reports/ExportService.h"
#include "reports/TimelineStore.h"
#include "reports/UpdateService.h"
#include "viewmodel/LinkmeterViewModel.h"
#include "views/FileSaveDialog.h"

#include <memory>

namespace {
// The instance of T, built from `parts` the first time; the parts are made before it, so they are
// destroyed after it.
template <typename T, typename... Parts> T& sharedOf(Parts&... parts) {
    return SharedInstances::get<T>([&] { return std::make_unique<T>(parts...); });
}
} // namespace

AppSettings& AppSettings::shared() {
    return sharedOf<AppSettings>(platform::preferences(), platform::loginItems());
}

WiFiService& WiFiService::shared() {
    return sharedOf<WiFiService>(platform::wifiReader());
}

LocationService& LocationService::shared() {
    return sharedOf<LocationService>(platform::locationAuthorization());
}

PingService& PingService::shared() {
    return sharedOf<PingService>(platform::pinger(), platform::gatewaySource(), platform::clock());
}

NetworkMemoryService& NetworkMemoryService::shared() {
    return sharedOf<NetworkMemoryService>(platform::preferences(), platform::clock());
}

NotificationService& NotificationService::shared() {
    return sharedOf<NotificationService>(platform::notificationCenter(), AppSettings::shared(),
                                         platform::clock());
}

RouterBrandService& RouterBrandService::shared() {
    return sharedOf<RouterBrandService>();
}

CaptivePortalService& CaptivePortalService::shared() {
    return sharedOf<CaptivePortalService>(platform::http(), platform::urlOpener());
}

DNSService& DNSService::shared() {
    return sharedOf<DNSService>(platform::resolverSource(), platform::clock());
}

BandwidthService& BandwidthService::shared() {
    return sharedOf<BandwidthService>(platform::interfaceCounters(), platform::clock());
}

NetworkInfoService& NetworkInfoService::shared() {
    return sharedOf<NetworkInfoService>(platform::interfaceSource(), platform::resolverSource(),
                                        platform::gatewaySource(), platform::connectionNames(),
                                        platform::dnsSwitcher(), platform::http());
}

SpeedTestService& SpeedTestService::shared() {
    return sharedOf<SpeedTestService>(platform::http(), platform::pinger(), platform::clock());
}

WiFiScannerService& WiFiScannerService::shared() {
    return sharedOf<WiFiScannerService>(platform::wifiScanner(), platform::clock());
}

ExportService& ExportService::shared() {
    // The save dialog is a widget, so it is picked here rather than among the platform pieces.
    return sharedOf<ExportService>(sharedOf<FileSaveDialog>(), platform::clipboard(), platform::clock());
}

TimelineStore& TimelineStore::shared() {
    QString path = TimelineStore::defaultPath();
    return sharedOf<TimelineStore>(path, platform::clock());
}

UpdateService& UpdateService::shared() {
    return sharedOf<UpdateService>(platform::http(), platform::preferences(), platform::clock(),
                                   platform::packageInspector(), platform::fileRevealer(),
                                   platform::applicationControl());
}

LinkmeterServices LinkmeterServices::shared() {
    return LinkmeterServices{
        WiFiService::shared(),          LocationService::shared(),  AppSettings::shared(),
        PingService::shared(),          DNSService::shared(),       SpeedTestService::shared(),
        CaptivePortalService::shared(), BandwidthService::shared(), NetworkInfoService::shared(),
        NotificationService::shared(),  ExportService::shared()};
}
