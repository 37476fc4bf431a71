// Version texts and build numbers as a manifest or the build carries them. Two versions cannot each
// be newer than the other.
#include "FuzzInput.h"
#include "reports/VersionComparison.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [a, b] = twoTexts(textOf(data, size));
    FUZZ_EXPECT(!(isNewerVersion(a, b) && isNewerVersion(b, a)));
    FUZZ_EXPECT(!isNewerVersion(a, a));
    (void)versionNumbers(a);
    (void)parseDecimalInteger(a);
    (void)buildNumberOf(b);
    return 0;
}
