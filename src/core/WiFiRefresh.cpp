#include "core/WiFiRefresh.h"

WiFiRefreshResult evaluateReading(const std::optional<WiFiReading>& reading) {
    if (!reading || !reading->powerOn || reading->rssiValue == 0)
        return {};

    WiFiInfo info;
    info.ssid = reading->ssid.value_or(std::string(unknownNetworkSSID));
    info.bssid = reading->bssid;
    info.rssi = reading->rssiValue;
    info.noise = reading->noiseMeasurement;
    if (reading->channel) {
        info.channel = reading->channel->channelNumber;
        info.band = bandFromCode(reading->channel->channelBand);
        info.channelWidth = channelWidthFromCode(reading->channel->channelWidth);
    } else {
        info.channel = 0;
        info.band = WiFiBand::unknown;
        info.channelWidth = 20;
    }
    info.transmitRate = reading->transmitRate;
    info.phyMode = std::string(phyModeText(reading->activePHYMode));
    info.securityType = std::string(securityTypeText(reading->security));
    return {std::move(info), !reading->ssid.has_value()};
}
