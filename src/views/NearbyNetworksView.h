#pragma once

#include "core/WiFiInfo.h"
#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

#include <optional>
#include <vector>

class ActivityIndicator;
class BandFilterButton;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class RelativeTimeLabel;
class Scheduler;
class WiFiScannerService;

// The networks in range, from the shared scanner: a scan button, when the last scan finished, a band
// filter and one row per network. Starts collapsed, showing every band.
class NearbyNetworksView final : public QWidget {
    Q_OBJECT

public:
    NearbyNetworksView(WiFiScannerService& scanner, Scheduler& scheduler, QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }
    std::optional<WiFiBand> selectedBand() const { return m_selectedBand; }
    void setSelectedBand(std::optional<WiFiBand> band);
    std::vector<BandFilterButton*> filterButtons() const;
    QPushButton* scanButton() const { return m_scanButton; }

private:
    void rebuildFilters();
    void refresh();
    void refreshScanTime();

    WiFiScannerService& m_scanner;
    std::optional<WiFiBand> m_selectedBand;

    CollapsibleCard m_card;
    QPushButton* m_scanButton = nullptr;
    QWidget* m_scanningBox = nullptr;
    RelativeTimeLabel* m_scanTime = nullptr;
    QHBoxLayout* m_filterRow = nullptr;
    std::vector<std::pair<std::optional<WiFiBand>, BandFilterButton*>> m_filters;
    QWidget* m_errorBox = nullptr;
    QLabel* m_errorText = nullptr;
    QWidget* m_emptyState = nullptr;
    QVBoxLayout* m_rows = nullptr;
};
