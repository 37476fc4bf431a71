#include "viewmodel/NearbyNetworksPresenter.h"

#include "probes/WiFiScannerService.h"
#include "viewmodel/DisplayText.h"

#include <algorithm>

namespace {

QString bandFilterTitle(std::optional<WiFiBand> band) {
    return band ? toQString(rawValue(*band)) : NearbyNetworksPresenter::tr("All");
}

} // namespace

Tone rssiTone(int rssi) {
    if (rssi >= -50)
        return Tone::green;
    if (rssi >= -60)
        return Tone::yellow;
    if (rssi >= -70)
        return Tone::orange;
    return Tone::red;
}

std::vector<std::optional<WiFiBand>> bandFilterChoices(const std::vector<ScannedNetwork>& networks) {
    std::vector<std::optional<WiFiBand>> choices{std::nullopt, WiFiBand::band2_4GHz, WiFiBand::band5GHz};
    if (std::any_of(networks.begin(), networks.end(),
                    [](const ScannedNetwork& n) { return n.band == WiFiBand::band6GHz; }))
        choices.emplace_back(WiFiBand::band6GHz);
    return choices;
}

NearbyNetworkRow nearbyNetworkRow(const ScannedNetwork& network) {
    NearbyNetworkRow row;
    row.ssid = QString::fromStdString(network.ssid);
    row.isCurrent = network.isCurrentNetwork;
    row.isInsecure = network.security == WiFiSecurity::open || network.security == WiFiSecurity::wep;
    row.security = toQString(rawValue(network.security));
    row.channel = NearbyNetworksPresenter::tr("Ch %1").arg(network.channel);
    row.rssi = network.rssi;
    row.rssiText = NearbyNetworksPresenter::tr("%1 dBm").arg(network.rssi);
    row.rssiTone = rssiTone(network.rssi);
    if (network.noise)
        row.snr = NearbyNetworksPresenter::tr("SNR %1").arg(network.rssi - *network.noise);
    return row;
}

NearbyNetworksScreen nearbyNetworksScreen(const std::vector<ScannedNetwork>& networks, bool scanning,
                                          const std::optional<std::string>& error,
                                          std::optional<TimePoint> lastScan, std::optional<WiFiBand> band) {
    NearbyNetworksScreen screen;
    if (!networks.empty())
        screen.count = QStringLiteral("(%1)").arg(networks.size());
    screen.scanning = scanning;
    // The platform's own failure text has no translation and shows as it came.
    screen.error = error ? translatedText("ScanError", *error) : QString();
    screen.showsEmptyState = networks.empty() && !scanning;
    screen.lastScan = lastScan;
    for (const auto& choice : bandFilterChoices(networks))
        screen.filters.push_back({bandFilterTitle(choice), choice == band});
    for (const ScannedNetwork& network : networks)
        if (!band || network.band == *band)
            screen.rows.push_back(nearbyNetworkRow(network));
    return screen;
}

NearbyNetworksPresenter::NearbyNetworksPresenter(WiFiScannerService& scanner, QObject* parent)
    : QObject(parent), m_scanner(scanner) {
    connect(&scanner, &WiFiScannerService::networksChanged, this, &NearbyNetworksPresenter::recompute);
    connect(&scanner, &WiFiScannerService::isScanningChanged, this, &NearbyNetworksPresenter::recompute);
    connect(&scanner, &WiFiScannerService::scanErrorChanged, this, &NearbyNetworksPresenter::recompute);
    connect(&scanner, &WiFiScannerService::lastScanTimeChanged, this, &NearbyNetworksPresenter::recompute);
    recompute();
}

void NearbyNetworksPresenter::chooseFilter(std::size_t index) {
    const auto choices = bandFilterChoices(m_scanner.networks());
    if (index >= choices.size())
        return;
    m_band = choices[index];
    recompute();
}

void NearbyNetworksPresenter::startScan() {
    m_scanner.startScan();
}

void NearbyNetworksPresenter::recompute() {
    const auto choices = bandFilterChoices(m_scanner.networks());
    // A band that is no longer offered would leave the list empty with nothing selected.
    if (std::find(choices.begin(), choices.end(), m_band) == choices.end())
        m_band.reset();
    m_screen = nearbyNetworksScreen(m_scanner.networks(), m_scanner.isScanning(), m_scanner.scanError(),
                                    m_scanner.lastScanTime(), m_band);
    emit changed();
}
