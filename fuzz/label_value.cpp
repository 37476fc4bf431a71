// Any network name, access point or security text gives an exposition whose label values are valid
// UTF-8 with nothing unescaped: no raw line feed or quote can end a sample early.
#include "FuzzInput.h"
#include "reports/MetricsExposition.h"

#include <string>

namespace {
bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = textOf(data, size);
    const std::string value = labelValue(text);
    FUZZ_EXPECT(validUtf8(value));
    FUZZ_EXPECT(value.find('\n') == std::string::npos);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            FUZZ_EXPECT(i + 1 < value.size());
            FUZZ_EXPECT(value[i + 1] == '\\' || value[i + 1] == '"' || value[i + 1] == 'n');
            ++i;
        } else {
            FUZZ_EXPECT(value[i] != '"');
        }
    }

    const auto [ssid, security] = twoTexts(text);
    MetricsInput input;
    WiFiInfo wifi;
    wifi.ssid = std::string(ssid);
    wifi.securityType = std::string(security);
    input.wifi = wifi;
    const std::string exposition = metricsExposition(input);
    // Every line is a comment or one sample: the name, labels, a space and a value.
    std::size_t start = 0;
    while (start < exposition.size()) {
        const std::size_t end = exposition.find('\n', start);
        FUZZ_EXPECT(end != std::string::npos);
        const std::string_view line(exposition.data() + start, end - start);
        FUZZ_EXPECT(line.starts_with("# HELP linkmeter_") || line.starts_with("# TYPE linkmeter_") ||
                    line.starts_with("linkmeter_"));
        start = end + 1;
    }
    return 0;
}
