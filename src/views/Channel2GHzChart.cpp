#include "views/Channel2GHzChart.h"

Channel2GHzChart::Channel2GHzChart(QWidget* parent)
    : ChannelBarChart(tr("Networks per 2.4 GHz channel"), tr("Channel"), tr("Networks"), parent) {}

void Channel2GHzChart::setChannelUsage(const std::vector<ChannelUsage>& usage) {
    setBars(channel2GHzBars(usage));
}
