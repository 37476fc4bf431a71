#include "probes/WiFiScannerService.h"

#include "core/ContinueOn.h"
#include "platform/Clock.h"
#include "platform/WiFiScanner.h"
#include "probes/NearbyNetworks.h"
#include "probes/ScanError.h"

#include <QFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

struct WiFiScannerService::Outcome {
    // Set when nothing could be listed; earlier results then stay.
    std::optional<ScanError> failure;
    std::vector<ScannedNetwork> networks;
    // Set when only cached results could be listed; they are shown together with this error.
    std::optional<ScanError> warning;
};

WiFiScannerService::WiFiScannerService(WiFiScanner& scanner, const Clock& clock, QObject* parent)
    : QObject(parent), m_scanner(scanner), m_clock(clock),
      m_channelUsage2GHz(nearby::emptyChannelUsage2GHz()),
      m_channelUsage5GHz(nearby::emptyChannelUsage5GHz()) {
    m_pool.setMaxThreadCount(1);
}

WiFiScannerService::~WiFiScannerService() {
    m_pool.waitForDone();
}

void WiFiScannerService::startScan() {
    if (m_isScanning)
        return;
    setIsScanning(true);
    setScanError(std::nullopt);
    WiFiScanner& scanner = m_scanner;
    continueOn(this, QtConcurrent::run(&m_pool, [&scanner] { return runScan(scanner); }),
               [this](Outcome outcome) { finishScan(std::move(outcome)); });
}

WiFiScannerService::Outcome WiFiScannerService::runScan(WiFiScanner& scanner) {
    WiFiScanResult result;
    try {
        result = scanner.scan();
    } catch (const std::exception& error) {
        // A throwing platform must not leave the service scanning forever.
        return {ScanError::scanFailed(error.what()), {}, {}};
    }
    if (!result.interfaceFound)
        return {ScanError::noInterface(), {}, {}};
    if (result.scanProblem && result.accessPoints.empty())
        return {ScanError::scanFailed(*result.scanProblem), {}, {}};

    Outcome outcome;
    outcome.networks.reserve(result.accessPoints.size());
    for (const auto& accessPoint : result.accessPoints)
        outcome.networks.push_back(nearby::makeScannedNetwork(accessPoint, result.currentBSSID));
    if (result.scanProblem)
        outcome.warning = ScanError::scanFailed(*result.scanProblem);
    return outcome;
}

void WiFiScannerService::finishScan(Outcome outcome) {
    if (outcome.failure) {
        setScanError(outcome.failure->description());
        setIsScanning(false);
        return;
    }
    m_networks = nearby::sortedStrongestFirst(std::move(outcome.networks));
    emit networksChanged(m_networks);
    m_lastScanTime = m_clock.now();
    emit lastScanTimeChanged(m_lastScanTime);

    auto occupancy = nearby::analyseChannels(m_networks);
    m_channelUsage2GHz = std::move(occupancy.usage2GHz);
    emit channelUsage2GHzChanged(m_channelUsage2GHz);
    m_channelUsage5GHz = std::move(occupancy.usage5GHz);
    emit channelUsage5GHzChanged(m_channelUsage5GHz);

    m_recommendations = nearby::recommendChannels(m_channelUsage2GHz, m_channelUsage5GHz);
    emit recommendationsChanged(m_recommendations);

    if (outcome.warning)
        setScanError(outcome.warning->description());
    setIsScanning(false);
}

void WiFiScannerService::setIsScanning(bool value) {
    m_isScanning = value;
    emit isScanningChanged(m_isScanning);
}

void WiFiScannerService::setScanError(std::optional<std::string> value) {
    m_scanError = std::move(value);
    emit scanErrorChanged(m_scanError);
}
