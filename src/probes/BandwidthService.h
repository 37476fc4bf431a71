#pragma once

#include "probes/BandwidthReading.h"
#include "probes/BandwidthSpeed.h"

#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

class Clock;
class InterfaceCounterSource;

// Measures the machine's throughput: samples the interfaces' byte counters at a steady pace and
// publishes the rates between samples with a short history of each direction.
class BandwidthService final : public QObject {
    Q_OBJECT

public:
    static constexpr int maxHistoryCount = 60;
    static constexpr double defaultIntervalSeconds = 1.0;

    BandwidthService(const InterfaceCounterSource& counters, const Clock& clock, QObject* parent = nullptr);
    ~BandwidthService() override;

    const BandwidthSpeed& currentSpeed() const { return m_currentSpeed; }
    const std::vector<double>& downloadHistory() const { return m_downloadHistory; }
    const std::vector<double>& uploadHistory() const { return m_uploadHistory; }
    // The previous sample; kept across stop() so a restart measures from it.
    const std::optional<BandwidthReading>& lastReading() const { return m_lastReading; }
    bool isRunning() const { return m_timer.isActive(); }

    // Samples now, then every `intervalSeconds`; replaces a running loop. A period that is not a
    // positive finite number falls back to one second.
    void start(double intervalSeconds);
    // Ends the loop; published values and the last sample stay.
    void stop();

    // The summed counters of Wi-Fi, Ethernet, tunnel and cellular interfaces, stamped now. Loopback,
    // bridges (their traffic is already counted on the ports) and virtual links such as container
    // veths do not count. Without an interface list: zeros, stamped with the time this first happened.
    BandwidthReading readCounters();
    // One step of the loop: read, publish the rates since the previous sample, keep the sample.
    void sampleOnce();

signals:
    void currentSpeedChanged(const BandwidthSpeed& speed);
    void downloadHistoryChanged(const std::vector<double>& history);
    void uploadHistoryChanged(const std::vector<double>& history);

private:
    const InterfaceCounterSource& m_counters;
    const Clock& m_clock;

    BandwidthSpeed m_currentSpeed;
    std::vector<double> m_downloadHistory;
    std::vector<double> m_uploadHistory;
    std::optional<BandwidthReading> m_lastReading;
    std::optional<TimePoint> m_fallbackTimestamp;

    QTimer m_timer;
};
