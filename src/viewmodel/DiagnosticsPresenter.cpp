#include "viewmodel/DiagnosticsPresenter.h"

#include "reports/ExportService.h"
#include "viewmodel/LinkmeterViewModel.h"

DiagnosticsPresenter::DiagnosticsPresenter(ExportService& exporter, QObject* parent)
    : QObject(parent), m_exporter(exporter) {}

void DiagnosticsPresenter::bind(LinkmeterViewModel& viewModel) {
    m_viewModel = &viewModel;
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
    recompute();
}

void DiagnosticsPresenter::recompute() {
    if (m_viewModel)
        setScreen(DiagnosticsState::of(*m_viewModel));
}

void DiagnosticsPresenter::setScreen(DiagnosticsState screen) {
    if (screen == m_screen)
        return;
    m_screen = std::move(screen);
    emit changed();
}

void DiagnosticsPresenter::startMonitoring() {
    if (m_viewModel)
        m_viewModel->startMonitoring();
}

void DiagnosticsPresenter::stopMonitoring() {
    if (m_viewModel)
        m_viewModel->stopMonitoring();
}

void DiagnosticsPresenter::copySummary() {
    if (m_viewModel)
        m_viewModel->copySummary();
}

void DiagnosticsPresenter::exportReport() {
    if (m_viewModel)
        m_viewModel->exportReport();
}

void DiagnosticsPresenter::exportHistory() {
    if (m_viewModel)
        m_viewModel->exportHistory();
}

void DiagnosticsPresenter::requestLocation() {
    if (m_viewModel)
        m_viewModel->requestLocationPermission();
}

void DiagnosticsPresenter::openLoginPage() {
    if (m_viewModel)
        m_viewModel->openCaptivePortalLoginPage();
}

void DiagnosticsPresenter::runSpeedTest() {
    if (m_viewModel)
        m_viewModel->runSpeedTest();
}

void DiagnosticsPresenter::cancelSpeedTest() {
    if (m_viewModel)
        m_viewModel->cancelSpeedTest();
}

bool DiagnosticsPresenter::copyScreenshot(
    const std::function<QImage(const DiagnosticsState& state, double scale)>& render) {
    return m_exporter.copyScreenshot([&](double scale) { return render(m_screen, scale); });
}
