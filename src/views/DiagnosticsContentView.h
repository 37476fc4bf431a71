#pragma once

#include "viewmodel/DiagnosticsState.h"

#include <QWidget>

class BandwidthView;
class CaptivePortalBanner;
class ConnectionInfoView;
class ConnectionQualityView;
class DNSView;
class DiagnosticsToolbar;
class DiagnosticsView;
class ExportService;
class LinkmeterViewModel;
class NetworkInfoService;
class NoInternetBanner;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class Scheduler;
class SpeedTestView;
class TipsSection;
class WiFiScannerService;

// The popover's second page: a header with the way back, every measurement as a card in a
// scrolling column, and the toolbar.
class DiagnosticsContentView final : public QWidget {
    Q_OBJECT

public:
    DiagnosticsContentView(ExportService& exporter, Scheduler& scheduler, QWidget* parent = nullptr);

    // Follows the view model from now on and runs the page's actions through it.
    void bind(LinkmeterViewModel& viewModel);
    // Puts the network information, nearby networks and channel panels between the throughput card
    // and the tips; once.
    void addNetworkPanels(LinkmeterViewModel& viewModel, WiFiScannerService& scanner,
                          NetworkInfoService& networkInfo);
    // Redraws each card whose values changed (every card the first time).
    void setState(DiagnosticsState state);

    // Copies the page's picture; true when it reached the clipboard.
    bool copyScreenshot();

signals:
    void showStatus();
    void settingsRequested();
    void quitRequested();
    void requestLocation();
    void openLoginPage();
    void runSpeedTest();
    void cancelSpeedTest();

private:
    void showBanners();
    void showWiFi();
    void showQuality();
    void showRouter();
    void showInternet();
    void showDNS();
    void showBandwidth();
    void showTips();
    void showSpeedTest();
    void showMonitoring();

    ExportService& m_exporter;
    Scheduler& m_scheduler;
    DiagnosticsState m_state;
    bool m_drawn = false;
    QToolButton* m_back = nullptr;
    QScrollArea* m_scroll = nullptr;
    QVBoxLayout* m_column = nullptr;
    int m_networkPanelsAt = 0;
    bool m_networkPanelsAdded = false;
    CaptivePortalBanner* m_portalBanner = nullptr;
    NoInternetBanner* m_noInternetBanner = nullptr;
    ConnectionInfoView* m_wifi = nullptr;
    ConnectionQualityView* m_quality = nullptr;
    DiagnosticsView* m_pings = nullptr;
    DNSView* m_dns = nullptr;
    BandwidthView* m_bandwidth = nullptr;
    TipsSection* m_tips = nullptr;
    SpeedTestView* m_speedTest = nullptr;
    DiagnosticsToolbar* m_toolbar = nullptr;
};
