#include "viewmodel/MetricsPublisher.h"

#include "core/AppSettings.h"
#include "core/BuildInfo.h"
#include "core/Log.h"
#include "viewmodel/LinkmeterViewModel.h"

MetricsPublisher::MetricsPublisher(LinkmeterViewModel& viewModel, PageServer& server, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_server(server) {
    m_server.setPage([this] { return exposition(); });
    connect(&viewModel, &LinkmeterViewModel::connectionQualityChanged, this,
            [this] { m_qualityKnown = true; });
}

MetricsPublisher::~MetricsPublisher() {
    // The server may outlive us; it must not ask a publisher that is gone.
    m_server.close();
    m_server.setPage({});
}

std::optional<QString> MetricsPublisher::serve(const ListenAddress& address) {
    m_address.reset();
    if (auto failure = m_server.listen(address))
        return failure;
    m_address = address;
    return std::nullopt;
}

void MetricsPublisher::stop() {
    m_server.close();
    m_address.reset();
}

void MetricsPublisher::follow(AppSettings& settings) {
    connect(&settings, &AppSettings::serveMetricsChanged, this,
            [this, &settings] { applySettings(settings); });
    connect(&settings, &AppSettings::metricsAddressChanged, this,
            [this, &settings] { applySettings(settings); });
    applySettings(settings);
}

void MetricsPublisher::applySettings(const AppSettings& settings) {
    if (!settings.serveMetrics()) {
        stop();
        return;
    }
    const auto parsed = parseListenAddress(settings.metricsAddress().toStdString());
    // The settings only hand out addresses that parse.
    const ListenAddress address = std::get<ListenAddress>(parsed);
    if (m_address == address && isServing())
        return;
    if (const auto failure = serve(address))
        logFailure("Failed to serve metrics: ", failure->toStdString());
}

MetricsInput MetricsPublisher::input() const {
    MetricsInput input;
    input.wifi = m_viewModel.wifiInfo();
    if (m_qualityKnown)
        input.quality = m_viewModel.connectionQuality();
    input.router = m_viewModel.routerPingStats();
    input.internet = m_viewModel.internetPingStats();
    input.dns = m_viewModel.dnsResult();
    input.throughput = m_viewModel.bandwidthSpeed();
    input.portal = m_viewModel.captivePortalStatus();
    input.speedTest = m_viewModel.lastSpeedTestResult();
    input.version = build_info::version;
    return input;
}
