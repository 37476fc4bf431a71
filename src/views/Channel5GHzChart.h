#pragma once

#include "views/ChannelBarChart.h"

// Networks per channel of the 5 GHz band.
class Channel5GHzChart final : public ChannelBarChart {
    Q_OBJECT

public:
    explicit Channel5GHzChart(QWidget* parent = nullptr);
    void setChannelUsage(const std::vector<ChannelUsage>& usage);
};
