// The kernel's routing table as /proc/net/route prints it.
#include "FuzzInput.h"
#include "system/linux/ProcRouteGatewaySource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = textOf(data, size);
    const auto routes = parseProcRouteDefaults(text);
    const auto gateway = parseProcRouteGateway(text);
    FUZZ_EXPECT(!gateway || !routes.empty());
    FUZZ_EXPECT(parseProcRouteDefaultInterface(text).has_value() == !routes.empty());
    return 0;
}
