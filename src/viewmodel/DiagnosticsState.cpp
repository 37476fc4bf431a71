#include "viewmodel/DiagnosticsState.h"

#include "viewmodel/LinkmeterViewModel.h"

DiagnosticsState DiagnosticsState::of(const LinkmeterViewModel& viewModel) {
    DiagnosticsState state;
    state.wifiInfo = viewModel.wifiInfo();
    state.locationAuthorized = viewModel.locationAuthorized();
    state.quality = viewModel.connectionQuality();
    state.gatewayIP = viewModel.gatewayIP();
    state.routerPingStats = viewModel.routerPingStats();
    state.internetPingStats = viewModel.internetPingStats();
    state.routerPingHistory = viewModel.routerPingHistory();
    state.internetPingHistory = viewModel.internetPingHistory();
    state.dnsResult = viewModel.dnsResult();
    state.dnsHistory = viewModel.dnsHistory();
    state.bandwidthSpeed = viewModel.bandwidthSpeed();
    state.downloadHistory = viewModel.downloadHistory();
    state.uploadHistory = viewModel.uploadHistory();
    state.tips = viewModel.tips();
    state.captivePortalStatus = viewModel.captivePortalStatus();
    state.speedTestState = viewModel.speedTestState();
    state.lastSpeedTestResult = viewModel.lastSpeedTestResult();
    state.isMonitoring = viewModel.isMonitoring();
    return state;
}
