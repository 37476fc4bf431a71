#pragma once

#include "core/TimePoint.h"
#include "probes/ChannelRecommendation.h"
#include "probes/ChannelUsage.h"
#include "probes/ScannedNetwork.h"

#include <QObject>
#include <QThreadPool>

#include <optional>
#include <string>
#include <vector>

class Clock;
class WiFiScanner;

// Scans the networks in range on request and publishes them strongest first, with the occupancy of
// every channel and rated channel suggestions. Published state changes on the main thread only; the
// platform scan runs on a worker thread.
class WiFiScannerService final : public QObject {
    Q_OBJECT

public:
    // The scanner must outlive every scan this service starts.
    WiFiScannerService(WiFiScanner& scanner, const Clock& clock, QObject* parent = nullptr);
    ~WiFiScannerService() override;

    const std::vector<ScannedNetwork>& networks() const { return m_networks; }
    bool isScanning() const { return m_isScanning; }
    const std::optional<TimePoint>& lastScanTime() const { return m_lastScanTime; }
    // Text of the last failure; cleared when a scan starts.
    const std::optional<std::string>& scanError() const { return m_scanError; }
    const std::vector<ChannelUsage>& channelUsage2GHz() const { return m_channelUsage2GHz; }
    const std::vector<ChannelUsage>& channelUsage5GHz() const { return m_channelUsage5GHz; }
    const std::vector<ChannelRecommendation>& recommendations() const { return m_recommendations; }

    // Starts a scan unless one is running.
    void startScan();

signals:
    void networksChanged(const std::vector<ScannedNetwork>& networks);
    void isScanningChanged(bool isScanning);
    void lastScanTimeChanged(const std::optional<TimePoint>& lastScanTime);
    void scanErrorChanged(const std::optional<std::string>& scanError);
    void channelUsage2GHzChanged(const std::vector<ChannelUsage>& channelUsage);
    void channelUsage5GHzChanged(const std::vector<ChannelUsage>& channelUsage);
    void recommendationsChanged(const std::vector<ChannelRecommendation>& recommendations);

private:
    struct Outcome;
    static Outcome runScan(WiFiScanner& scanner);
    void finishScan(Outcome outcome);

    void setIsScanning(bool value);
    void setScanError(std::optional<std::string> value);

    WiFiScanner& m_scanner;
    const Clock& m_clock;

    std::vector<ScannedNetwork> m_networks;
    bool m_isScanning = false;
    std::optional<TimePoint> m_lastScanTime;
    std::optional<std::string> m_scanError;
    std::vector<ChannelUsage> m_channelUsage2GHz;
    std::vector<ChannelUsage> m_channelUsage5GHz;
    std::vector<ChannelRecommendation> m_recommendations;

    // Own pool, declared last: destroyed first, it waits for a scan still using the scanner.
    QThreadPool m_pool;
};
