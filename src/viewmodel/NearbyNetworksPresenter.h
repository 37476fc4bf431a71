#pragma once

#include "core/TimePoint.h"
#include "core/Tone.h"
#include "core/WiFiInfo.h"
#include "probes/ScannedNetwork.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class WiFiScannerService;

// One nearby network as its row shows it.
struct NearbyNetworkRow {
    QString ssid;
    bool isCurrent = false;
    // Open and WEP networks are as good as unprotected.
    bool isInsecure = false;
    QString security;
    QString channel;
    int rssi = 0;
    QString rssiText;
    Tone rssiTone = Tone::gray;
    // Empty when the driver gave no noise reading.
    QString snr;

    bool operator==(const NearbyNetworkRow&) const = default;
};

struct BandFilterChoice {
    QString title;
    bool selected = false;

    bool operator==(const BandFilterChoice&) const = default;
};

// What the nearby-networks panel shows.
struct NearbyNetworksScreen {
    // "(3)" after the title; empty before anything was found.
    QString count;
    bool scanning = false;
    // Empty without a scan error.
    QString error;
    bool showsEmptyState = true;
    std::optional<TimePoint> lastScan;
    std::vector<BandFilterChoice> filters;
    std::vector<NearbyNetworkRow> rows;

    bool operator==(const NearbyNetworksScreen&) const = default;
};

// Signal of a nearby network: green at -50 dBm and above, yellow down to -60, orange down to -70,
// red below.
Tone rssiTone(int rssi);
// The bands the list can be narrowed to; none stands for every band. 6 GHz is offered only when the
// scan saw a network there.
std::vector<std::optional<WiFiBand>> bandFilterChoices(const std::vector<ScannedNetwork>& networks);
NearbyNetworkRow nearbyNetworkRow(const ScannedNetwork& network);
// The list narrowed to `band` (every band without one); the count in the title is of every band.
NearbyNetworksScreen nearbyNetworksScreen(const std::vector<ScannedNetwork>& networks, bool scanning,
                                          const std::optional<std::string>& error,
                                          std::optional<TimePoint> lastScan, std::optional<WiFiBand> band);

// The networks in range from the shared scanner, narrowed to one band on request.
class NearbyNetworksPresenter final : public QObject {
    Q_OBJECT

public:
    explicit NearbyNetworksPresenter(WiFiScannerService& scanner, QObject* parent = nullptr);

    const NearbyNetworksScreen& screen() const { return m_screen; }
    // `index` into the screen's filters.
    void chooseFilter(std::size_t index);
    void startScan();

signals:
    void changed();

private:
    void recompute();

    WiFiScannerService& m_scanner;
    std::optional<WiFiBand> m_band;
    NearbyNetworksScreen m_screen;
};
