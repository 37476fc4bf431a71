// The update server's manifest, then the comparison with the running release.
#include "FuzzInput.h"
#include "reports/VersionComparison.h"
#include "reports/VersionInfo.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const VersionInfo release = decodeVersionInfo(textOf(data, size));
        (void)isNewerRelease(release, "0.1.0", 1);
    } catch (const std::runtime_error&) {
        // A broken manifest is reported; nothing else may escape.
    }
    return 0;
}
