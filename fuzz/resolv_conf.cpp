// A resolver configuration file (resolv.conf or systemd-resolved's upstream list).
#include "FuzzInput.h"
#include "system/linux/ResolvConfResolverSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const auto& server : parseResolvConfNameservers(textOf(data, size)))
        FUZZ_EXPECT(!server.empty());
    return 0;
}
