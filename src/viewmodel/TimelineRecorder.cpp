#include "viewmodel/TimelineRecorder.h"

#include "history/TimelineRules.h"
#include "history/TimelineWriter.h"
#include "platform/Clock.h"
#include "viewmodel/LinkmeterViewModel.h"

TimelineRecorder::TimelineRecorder(LinkmeterViewModel& viewModel, TimelineWriter& writer, const Clock& clock,
                                   std::chrono::milliseconds sampleInterval, QObject* parent)
    : QObject(parent), m_viewModel(viewModel), m_writer(writer), m_clock(clock) {
    m_timer.setInterval(sampleInterval);
    connect(&m_timer, &QTimer::timeout, this, &TimelineRecorder::recordSample);

    connect(&viewModel, &LinkmeterViewModel::isMonitoringChanged, this, &TimelineRecorder::monitoringChanged);
    connect(&viewModel, &LinkmeterViewModel::wifiInfoChanged, this,
            [this](const std::optional<WiFiInfo>& wifi) {
                if (const auto roam = detectRoaming(m_lastWiFi, wifi))
                    m_writer.append(timeline::roamingEvent(*roam, stamp()));
                m_lastWiFi = wifi;
            });
    connect(&viewModel, &LinkmeterViewModel::captivePortalStatusChanged, this,
            [this](const CaptivePortalStatus& status) {
                if (const auto kind = timeline::reachabilityEvent(m_lastPortal, status))
                    m_writer.append(timeline::plainEvent(*kind, stamp(), currentSSID()));
                // An undecided check keeps the last decided state, so a flap through it is no event.
                if (status.kind() != CaptivePortalStatus::Kind::unknown)
                    m_lastPortal = status;
            });
    connect(&viewModel, &LinkmeterViewModel::dnsServersChanged, this,
            [this](const std::vector<DNSServer>& servers) {
                if (timeline::dnsServersChanged(m_lastDNSServers, servers))
                    m_writer.append(
                        timeline::plainEvent(TimelineEventKind::dnsServersChanged, stamp(), currentSSID()));
                if (!servers.empty())
                    m_lastDNSServers = servers;
            });

    connect(&viewModel, &LinkmeterViewModel::lastSpeedTestResultChanged, this,
            [this](const std::optional<SpeedTestResult>& result) {
                // The result is published again with every mirror; a new test has a new one.
                if (result && result != m_lastSpeedTest)
                    m_writer.append(timeline::speedTestEvent(*result, currentSSID()));
                m_lastSpeedTest = result;
            });

    m_lastWiFi = viewModel.wifiInfo();
    m_lastSpeedTest = viewModel.lastSpeedTestResult();
    monitoringChanged(viewModel.isMonitoring());
}

TimelineRecorder::~TimelineRecorder() {
    if (m_monitoring)
        m_writer.append(timeline::plainEvent(TimelineEventKind::monitoringStopped, stamp()));
}

void TimelineRecorder::monitoringChanged(bool monitoring) {
    // The flag is published again on every assignment; only a real change is an event.
    if (monitoring == m_monitoring)
        return;
    m_monitoring = monitoring;
    m_writer.append(timeline::plainEvent(
        monitoring ? TimelineEventKind::monitoringStarted : TimelineEventKind::monitoringStopped, stamp()));
    if (monitoring)
        m_timer.start();
    else
        m_timer.stop();
}

TimePoint TimelineRecorder::stamp() {
    const auto steady = m_clock.steadyNow();
    m_lastStamp = timeline::rowTime(m_clock.now(), m_lastStamp, steady - m_lastStampSteady);
    m_lastStampSteady = steady;
    return *m_lastStamp;
}

std::string TimelineRecorder::currentSSID() const {
    return m_lastWiFi ? m_lastWiFi->ssid : std::string();
}

void TimelineRecorder::recordSample() {
    const DiagnosticReportInput state{m_viewModel.wifiInfo(),
                                      m_viewModel.routerPingStats(),
                                      m_viewModel.internetPingStats(),
                                      m_viewModel.dnsResult(),
                                      m_viewModel.connectionQuality(),
                                      m_viewModel.bandwidthSpeed().downloadBytesPerSecond,
                                      m_viewModel.bandwidthSpeed().uploadBytesPerSecond,
                                      m_viewModel.lastSpeedTestResult()};
    m_writer.append(timeline::sampleFromState(state, stamp()));
}
