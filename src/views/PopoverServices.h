#pragma once

class AppSettings;
class ExportService;
class NetworkInfoService;
class NetworkMemoryService;
class RouterBrandService;
class Scheduler;
class UpdateService;
class WiFiScannerService;

// The services the popover's pages use besides the view model.
struct PopoverServices {
    AppSettings& settings;
    NetworkMemoryService& memory;
    RouterBrandService& brands;
    UpdateService& updates;
    ExportService& exporter;
    WiFiScannerService& scanner;
    NetworkInfoService& networkInfo;
    // The time the views count in: confirmations that go away, "5 minutes ago".
    Scheduler& scheduler;
};
