#pragma once

#include "core/WiFiInfo.h"
#include "probes/ChannelUsage.h"

#include <QObject>
#include <QString>

#include <vector>

class WiFiScannerService;

// What the channel-usage panel shows: one band's chart, or an invitation to scan.
struct ChannelUsageScreen {
    bool shows5GHz = false;
    // Before a scan found anything there is nothing to chart.
    bool showsPlaceholder = true;
    QString footnote;
    std::vector<ChannelUsage> usage2GHz;
    std::vector<ChannelUsage> usage5GHz;

    bool operator==(const ChannelUsageScreen&) const = default;
};

// Anything but 5 GHz charts 2.4 GHz.
ChannelUsageScreen channelUsageScreen(WiFiBand band, bool anyNetwork, std::vector<ChannelUsage> usage2GHz,
                                      std::vector<ChannelUsage> usage5GHz);

// How crowded each channel is, from the shared scanner, for one band at a time; 2.4 GHz at first.
class ChannelUsagePresenter final : public QObject {
    Q_OBJECT

public:
    explicit ChannelUsagePresenter(WiFiScannerService& scanner, QObject* parent = nullptr);

    const ChannelUsageScreen& screen() const { return m_screen; }
    void chooseBand(WiFiBand band);

signals:
    void changed();

private:
    void recompute();

    WiFiScannerService& m_scanner;
    WiFiBand m_band = WiFiBand::band2_4GHz;
    ChannelUsageScreen m_screen;
};
