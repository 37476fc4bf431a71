#include "views/Channel5GHzChart.h"

Channel5GHzChart::Channel5GHzChart(QWidget* parent)
    : ChannelBarChart(tr("Networks per 5 GHz channel group"), tr("Channel Group"), tr("Networks"), parent) {}

void Channel5GHzChart::setChannelUsage(const std::vector<ChannelUsage>& usage) {
    setBars(channel5GHzBars(usage));
}
