#include "app/ReportCommand.h"

#include "core/ConnectionQuality.h"
#include "core/PingService.h"
#include "core/WiFiService.h"
#include "platform/Clock.h"
#include "probes/BandwidthService.h"
#include "probes/DNSService.h"
#include "reports/ReportJson.h"
#include "reports/ReportText.h"

namespace {
// Echoes once a second, so even a short run has a few samples to summarise.
constexpr double kPingInterval = 1.0;
} // namespace

ReportCommand::ReportCommand(Services services, Options options, QObject* parent)
    : QObject(parent), m_services(services), m_options(options) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ReportCommand::finish);
}

void ReportCommand::start(std::optional<std::chrono::milliseconds> duration) {
    m_services.ping.start(kPingInterval);
    m_services.bandwidth.start(BandwidthService::defaultIntervalSeconds);
    m_services.dns.measureDNS();
    m_timer.start(duration.value_or(std::chrono::seconds(m_options.seconds)));
}

void ReportCommand::finish() {
    m_services.ping.cancel();
    m_services.bandwidth.stop();
    m_services.wifi.refresh();
    const auto& wifi = m_services.wifi.currentInfo();
    const PingStatistics& internet = m_services.ping.internetStats();
    const BandwidthSpeed& speed = m_services.bandwidth.currentSpeed();
    const DiagnosticReportInput input{
        wifi, m_services.ping.routerStats(), internet, m_services.dns.lastResult(),
        ConnectionQuality(wifi ? std::optional(wifi->rssi) : std::nullopt, internet),
        speed.downloadBytesPerSecond, speed.uploadBytesPerSecond,
        // No speed test runs here: it would load the link the report is meant to describe.
        std::nullopt};
    const TimePoint now = m_services.clock.now();
    m_output = m_options.json ? diagnosticReportJson(input, now) : diagnosticReportText(input, now);
    emit finished(internetAnswered(internet) ? answered : notAnswered);
}
