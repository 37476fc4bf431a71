#pragma once

#include "core/ConnectionQuality.h"
#include "core/PingStatistics.h"
#include "core/WiFiInfo.h"
#include "diagnosis/Tip.h"
#include "probes/BandwidthSpeed.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSResult.h"
#include "probes/SpeedTestResult.h"
#include "probes/SpeedTestState.h"

#include <optional>
#include <string>
#include <vector>

class LinkmeterViewModel;

// What the diagnostics page shows, read from the view model.
struct DiagnosticsState {
    std::optional<WiFiInfo> wifiInfo;
    bool locationAuthorized = true;
    ConnectionQuality quality;
    std::optional<std::string> gatewayIP;
    PingStatistics routerPingStats;
    PingStatistics internetPingStats;
    std::vector<double> routerPingHistory;
    std::vector<double> internetPingHistory;
    std::optional<DNSResult> dnsResult;
    std::vector<double> dnsHistory;
    BandwidthSpeed bandwidthSpeed;
    std::vector<double> downloadHistory;
    std::vector<double> uploadHistory;
    std::vector<Tip> tips;
    CaptivePortalStatus captivePortalStatus;
    SpeedTestState speedTestState;
    std::optional<SpeedTestResult> lastSpeedTestResult;
    bool isMonitoring = false;

    bool operator==(const DiagnosticsState&) const = default;

    static DiagnosticsState of(const LinkmeterViewModel& viewModel);
};
