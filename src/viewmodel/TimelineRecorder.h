#pragma once

#include "core/TimePoint.h"
#include "core/WiFiInfo.h"
#include "probes/CaptivePortalStatus.h"
#include "probes/DNSServer.h"
#include "probes/SpeedTestResult.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>
#include <vector>

class Clock;
class LinkmeterViewModel;
class TimelineWriter;

// Writes the timeline from what the view model publishes: one row a minute while monitoring, and an
// event row when the internet goes or comes back, a sign-in page appears, the link roams, the DNS
// servers change, a speed test finishes, or monitoring starts or stops.
class TimelineRecorder final : public QObject {
    Q_OBJECT

public:
    TimelineRecorder(LinkmeterViewModel& viewModel, TimelineWriter& writer, const Clock& clock,
                     std::chrono::milliseconds sampleInterval = std::chrono::minutes(1),
                     QObject* parent = nullptr);
    // A recorder going away while monitoring means the program is quitting: that stops monitoring.
    ~TimelineRecorder() override;

    // Stores one row for the state as it stands now.
    void recordSample();

private:
    void monitoringChanged(bool monitoring);
    std::string currentSSID() const;
    // The time for the next row: never before the previous row of this run, whatever the clock does.
    TimePoint stamp();

    LinkmeterViewModel& m_viewModel;
    TimelineWriter& m_writer;
    const Clock& m_clock;
    QTimer m_timer;
    std::optional<TimePoint> m_lastStamp;
    std::chrono::steady_clock::time_point m_lastStampSteady{};
    bool m_monitoring = false;
    std::optional<WiFiInfo> m_lastWiFi;
    CaptivePortalStatus m_lastPortal;
    std::vector<DNSServer> m_lastDNSServers;
    std::optional<SpeedTestResult> m_lastSpeedTest;
};
