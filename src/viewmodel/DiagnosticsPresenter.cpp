#include "viewmodel/DiagnosticsPresenter.h"

#include "viewmodel/LinkmeterViewModel.h"

DiagnosticsPresenter::DiagnosticsPresenter(LinkmeterViewModel& viewModel, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_screen(DiagnosticsState::of(viewModel)) {
    using VM = LinkmeterViewModel;
    connect(&viewModel, &VM::wifiInfoChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::locationAuthorizedChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::connectionQualityChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::gatewayIPChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::routerPingStatsChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::routerPingHistoryChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::internetPingStatsChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::internetPingHistoryChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::dnsResultChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::dnsHistoryChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::bandwidthSpeedChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::downloadHistoryChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::uploadHistoryChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::tipsChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::captivePortalStatusChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::speedTestStateChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::lastSpeedTestResultChanged, this, &DiagnosticsPresenter::recompute);
    connect(&viewModel, &VM::isMonitoringChanged, this, &DiagnosticsPresenter::recompute);
}

void DiagnosticsPresenter::recompute() {
    DiagnosticsState next = DiagnosticsState::of(m_viewModel);
    if (next == m_screen)
        return;
    m_screen = std::move(next);
    emit changed();
}

void DiagnosticsPresenter::startMonitoring() {
    m_viewModel.startMonitoring();
}

void DiagnosticsPresenter::stopMonitoring() {
    m_viewModel.stopMonitoring();
}

void DiagnosticsPresenter::copySummary() {
    m_viewModel.copySummary();
}

void DiagnosticsPresenter::exportReport() {
    m_viewModel.exportReport();
}

void DiagnosticsPresenter::exportHistory() {
    m_viewModel.exportHistory();
}

void DiagnosticsPresenter::requestLocation() {
    m_viewModel.requestLocationPermission();
}

void DiagnosticsPresenter::openLoginPage() {
    m_viewModel.openCaptivePortalLoginPage();
}

void DiagnosticsPresenter::runSpeedTest() {
    m_viewModel.runSpeedTest();
}

void DiagnosticsPresenter::cancelSpeedTest() {
    m_viewModel.cancelSpeedTest();
}
