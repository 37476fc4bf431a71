#pragma once

#include "viewmodel/DiagnosticsState.h"

#include <QWidget>

#include <optional>

class BandwidthView;
class ChannelRecommendationsPresenter;
class ChannelUsagePresenter;
class DiagnosticsPresenter;
class NearbyNetworksPresenter;
class NetworkInfoPresenter;
class CaptivePortalBanner;
class ConnectionInfoView;
class ConnectionQualityView;
class DNSView;
class DiagnosticsToolbar;
class DiagnosticsView;
class NoInternetBanner;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class Scheduler;
class SpeedTestView;
class TipsSection;

// The network information, nearby networks and channel panels of the page.
struct NetworkPanelPresenters {
    NetworkInfoPresenter& networkInfo;
    NearbyNetworksPresenter& nearby;
    ChannelUsagePresenter& channelUsage;
    ChannelRecommendationsPresenter& recommendations;
};

// The popover's second page: a header with the way back, every measurement as a card in a
// scrolling column, and the toolbar.
class DiagnosticsContentView final : public QWidget {
    Q_OBJECT

public:
    // The network panels, when given, go between the throughput card and the tips.
    DiagnosticsContentView(DiagnosticsPresenter& presenter, std::optional<NetworkPanelPresenters> panels,
                           Scheduler& scheduler, QWidget* parent = nullptr);

signals:
    void showStatus();
    void settingsRequested();
    void quitRequested();

private:
    // Redraws each card whose values changed (every card the first time).
    void setState(DiagnosticsState state);
    // Copies the page's picture; true when it reached the clipboard.
    bool copyScreenshot();
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

    DiagnosticsPresenter& m_presenter;
    DiagnosticsState m_state;
    bool m_drawn = false;
    QToolButton* m_back = nullptr;
    QScrollArea* m_scroll = nullptr;
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
