// Whatever the ping tool prints.
#include "FuzzInput.h"
#include "system/PingOutput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto time = parsePingTime(textOf(data, size)))
        FUZZ_EXPECT(*time >= 0.0);
    return 0;
}
