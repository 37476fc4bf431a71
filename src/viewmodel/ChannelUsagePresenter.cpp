#include "viewmodel/ChannelUsagePresenter.h"

#include "probes/WiFiScannerService.h"

ChannelUsageScreen channelUsageScreen(WiFiBand band, bool anyNetwork, std::vector<ChannelUsage> usage2GHz,
                                      std::vector<ChannelUsage> usage5GHz) {
    ChannelUsageScreen screen;
    screen.shows5GHz = band == WiFiBand::band5GHz;
    screen.showsPlaceholder = !anyNetwork;
    screen.footnote = screen.shows5GHz
                          ? ChannelUsagePresenter::tr("Recommended: Channels 36-48 or 149-165 (non-DFS)")
                          : ChannelUsagePresenter::tr("Recommended: Ch 1, 6, or 11 (non-overlapping)");
    screen.usage2GHz = std::move(usage2GHz);
    screen.usage5GHz = std::move(usage5GHz);
    return screen;
}

ChannelUsagePresenter::ChannelUsagePresenter(WiFiScannerService& scanner, QObject* parent)
    : QObject(parent), m_scanner(scanner) {
    connect(&scanner, &WiFiScannerService::networksChanged, this, &ChannelUsagePresenter::recompute);
    connect(&scanner, &WiFiScannerService::channelUsage2GHzChanged, this, &ChannelUsagePresenter::recompute);
    connect(&scanner, &WiFiScannerService::channelUsage5GHzChanged, this, &ChannelUsagePresenter::recompute);
    recompute();
}

void ChannelUsagePresenter::chooseBand(WiFiBand band) {
    m_band = band;
    recompute();
}

void ChannelUsagePresenter::recompute() {
    m_screen = channelUsageScreen(m_band, !m_scanner.networks().empty(), m_scanner.channelUsage2GHz(),
                                  m_scanner.channelUsage5GHz());
    emit changed();
}
