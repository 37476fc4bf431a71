// Any text (an SSID, a tool's output) quoted as a CSV field must read back as itself.
#include "FuzzInput.h"
#include "reports/ReportText.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = textOf(data, size);
    const std::string field = quotedField(text);
    FUZZ_EXPECT(field.size() >= 2 && field.front() == '"' && field.back() == '"');
    std::string unquoted;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        if (field[i] == '"') {
            FUZZ_EXPECT(field[i + 1] == '"' && i + 2 < field.size());
            ++i;
        }
        unquoted += field[i];
    }
    FUZZ_EXPECT(unquoted == text);
    return 0;
}
