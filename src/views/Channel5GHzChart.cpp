#include "views/Channel5GHzChart.h"

Channel5GHzChart::Channel5GHzChart(QWidget* parent)
    : ChannelBarChart(QStringLiteral("Channel Group"), QStringLiteral("Networks"), parent) {}

void Channel5GHzChart::setChannelUsage(const std::vector<ChannelUsage>& usage) {
    setBars(channel5GHzBars(usage));
}
