#include "views/Channel2GHzChart.h"

Channel2GHzChart::Channel2GHzChart(QWidget* parent)
    : ChannelBarChart(QStringLiteral("Channel"), QStringLiteral("Networks"), parent) {}

void Channel2GHzChart::setChannelUsage(const std::vector<ChannelUsage>& usage) {
    setBars(channel2GHzBars(usage));
}
