#pragma once

class AppSettings;
class ExportService;
class NetworkInfoService;
class NetworkMemoryService;
class RouterBrandService;
class Scheduler;
class UpdateService;
class WiFiScannerService;

// The services the shell builds its presenters and windows from, besides the view model.
struct ShellServices {
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
