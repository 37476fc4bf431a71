// The network-memory JSON from the preferences file, which anyone can edit. What decodes must encode
// and decode to the same networks.
#include "FuzzInput.h"
#include "diagnosis/NetworkMemoryRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto memories = networkmemory::decode(textOf(data, size));
    if (!memories)
        return 0;
    const auto again = networkmemory::decode(networkmemory::encode(*memories));
    FUZZ_EXPECT(again.has_value());
    for (const auto& [ssid, memory] : *memories)
        (void)networkmemory::insight(*memories, ssid, 50);
    const TimePoint now{std::chrono::seconds(1'800'000'000)};
    networkmemory::record(*memories, "fuzz", 80, 12.5, now);
    networkmemory::prune(*memories, now);
    FUZZ_EXPECT(memories->size() <= static_cast<std::size_t>(networkmemory::maxNetworks));
    return 0;
}
