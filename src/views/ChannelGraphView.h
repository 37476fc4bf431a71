#pragma once

#include "core/WiFiInfo.h"
#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

class BandFilterButton;
class Channel2GHzChart;
class Channel5GHzChart;
class QLabel;
class WiFiScannerService;

// How crowded each channel is, from the shared scanner, for one band at a time. Starts collapsed on
// 2.4 GHz.
class ChannelGraphView final : public QWidget {
    Q_OBJECT

public:
    ChannelGraphView(WiFiScannerService& scanner, QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }
    WiFiBand selectedBand() const { return m_selectedBand; }
    void setSelectedBand(WiFiBand band);
    Channel2GHzChart* chart2GHz() const { return m_chart2GHz; }
    Channel5GHzChart* chart5GHz() const { return m_chart5GHz; }

private:
    void refresh();

    WiFiScannerService& m_scanner;
    WiFiBand m_selectedBand = WiFiBand::band2_4GHz;

    CollapsibleCard m_card;
    BandFilterButton* m_choose2GHz = nullptr;
    BandFilterButton* m_choose5GHz = nullptr;
    QLabel* m_placeholder = nullptr;
    Channel2GHzChart* m_chart2GHz = nullptr;
    Channel5GHzChart* m_chart5GHz = nullptr;
    QLabel* m_footnote = nullptr;
};
