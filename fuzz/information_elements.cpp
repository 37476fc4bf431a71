// 802.11 information elements from any access point in range: element walk, SSID, RSN/WPA and the
// width from the operation elements.
#include "FuzzInput.h"
#include "system/linux/InformationElements.h"
#include "system/linux/WiFiCodeMapping.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = bytesOf(data, size);
    std::size_t total = 0;
    for (const auto& element : ie::elements(bytes))
        total += 2 + element.body.size();
    FUZZ_EXPECT(total <= size);
    (void)ie::findElement(bytes, ie::idRsn);
    (void)ie::findExtension(bytes, ie::extHeOperation);
    if (const auto ssid = ie::ssid(bytes))
        (void)wifi_mapping::ssidText(*ssid);
    (void)ie::rsn(bytes);
    (void)ie::wpa(bytes);
    const std::uint16_t capability = size >= 2 ? static_cast<std::uint16_t>(data[0] | data[1] << 8) : 0;
    (void)ie::securityModes(bytes, capability);
    (void)wifi_mapping::securityCodeForElements(bytes, capability);
    if (const auto width = ie::operatingWidth(bytes))
        (void)wifi_mapping::widthCodeForOperatingWidth(*width);
    return 0;
}
