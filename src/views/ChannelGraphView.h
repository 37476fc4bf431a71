#pragma once

#include "views/kit/CollapsibleHeader.h"

#include <QWidget>

class BandFilterButton;
class Channel2GHzChart;
class Channel5GHzChart;
class ChannelUsagePresenter;
class QLabel;

// How crowded each channel is, for one band at a time. Starts collapsed on 2.4 GHz.
class ChannelGraphView final : public QWidget {
    Q_OBJECT

public:
    explicit ChannelGraphView(ChannelUsagePresenter& presenter, QWidget* parent = nullptr);

    CollapsibleHeader* header() const { return m_card.header; }

private:
    void render();

    ChannelUsagePresenter& m_presenter;
    CollapsibleCard m_card;
    BandFilterButton* m_choose2GHz = nullptr;
    BandFilterButton* m_choose5GHz = nullptr;
    QLabel* m_placeholder = nullptr;
    Channel2GHzChart* m_chart2GHz = nullptr;
    Channel5GHzChart* m_chart5GHz = nullptr;
    QLabel* m_footnote = nullptr;
};
