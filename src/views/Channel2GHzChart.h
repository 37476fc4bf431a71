#pragma once

#include "views/ChannelBarChart.h"

// Networks per channel of the 2 GHz band.
class Channel2GHzChart final : public ChannelBarChart {
    Q_OBJECT

public:
    explicit Channel2GHzChart(QWidget* parent = nullptr);
    void setChannelUsage(const std::vector<ChannelUsage>& usage);
};
