// nl80211 attribute streams as the kernel sends them, decoded as every message kind we read, and
// mapped onto the link's codes.
#include "FuzzInput.h"
#include "system/linux/Nl80211Messages.h"
#include "system/linux/WiFiCodeMapping.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = bytesOf(data, size);
    (void)nl80211::attributes(bytes);
    if (const auto interface = nl80211::decodeInterface(bytes)) {
        if (interface->frequency) {
            (void)wifi_mapping::channelForFrequency(*interface->frequency);
            (void)wifi_mapping::bandCodeForFrequency(*interface->frequency);
        }
        if (interface->ssid)
            (void)wifi_mapping::ssidText(*interface->ssid);
    }
    if (const auto scan = nl80211::decodeScanResult(bytes)) {
        (void)wifi_mapping::formatBssid(scan->bssid);
        (void)wifi_mapping::securityCodeForElements(scan->informationElements, scan->capability);
        (void)wifi_mapping::channelForFrequency(scan->frequency);
    }
    if (const auto station = nl80211::decodeStation(bytes)) {
        (void)wifi_mapping::phyCodeForStation(*station, 2412);
        (void)wifi_mapping::phyCodeForStation(*station, 5180);
        if (station->txRate)
            (void)wifi_mapping::phyCodeForRate(*station->txRate, 5955);
    }
    (void)nl80211::decodeSurvey(bytes);
    if (size >= 4) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | data[i];
        (void)wifi_mapping::channelForFrequency(value);
        (void)wifi_mapping::bandCodeForFrequency(value);
        (void)wifi_mapping::widthCodeForChannelWidth(value);
    }
    return 0;
}
