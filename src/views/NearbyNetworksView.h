#pragma once

#include "views/kit/CollapsibleHeader.h"

#include <QString>
#include <QWidget>

#include <vector>

class BandFilterButton;
class NearbyNetworksPresenter;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class RelativeTimeLabel;
class Scheduler;

// The networks in range: a scan button, when the last scan finished, a band filter and one row per
// network. Starts collapsed, showing every band.
class NearbyNetworksView final : public QWidget {
    Q_OBJECT

public:
    NearbyNetworksView(NearbyNetworksPresenter& presenter, Scheduler& scheduler, QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }

private:
    void render();
    void rebuildFilters();

    NearbyNetworksPresenter& m_presenter;
    CollapsibleCard m_card;
    QPushButton* m_scanButton = nullptr;
    QWidget* m_scanningBox = nullptr;
    RelativeTimeLabel* m_scanTime = nullptr;
    QHBoxLayout* m_filterRow = nullptr;
    std::vector<BandFilterButton*> m_filters;
    std::vector<QString> m_filterTitles;
    QWidget* m_errorBox = nullptr;
    QLabel* m_errorText = nullptr;
    QWidget* m_emptyState = nullptr;
    QVBoxLayout* m_rows = nullptr;
};
