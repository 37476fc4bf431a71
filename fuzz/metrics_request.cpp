// Any bytes a client sends to the metrics server get a verdict, and only a complete request head
// within the limit is ever answered as a request.
#include "FuzzInput.h"
#include "system/ScrapeRequest.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = textOf(data, size);
    constexpr std::size_t limit = 512;
    const ScrapeVerdict verdict = judgeScrapeRequest(bytes, limit);
    if (verdict == ScrapeVerdict::metrics || verdict == ScrapeVerdict::notFound ||
        verdict == ScrapeVerdict::methodNotAllowed) {
        const std::string_view seen = bytes.substr(0, limit);
        FUZZ_EXPECT(seen.find("\n\n") != std::string_view::npos ||
                    seen.find("\n\r\n") != std::string_view::npos);
    }
    if (verdict == ScrapeVerdict::metrics)
        FUZZ_EXPECT(bytes.starts_with("GET /metrics"));
    if (verdict == ScrapeVerdict::incomplete)
        FUZZ_EXPECT(size < limit);
    // What more bytes cannot change: a refusal stays a refusal, an answer stays that answer.
    if (verdict != ScrapeVerdict::incomplete && size < limit)
        FUZZ_EXPECT(judgeScrapeRequest(std::string(bytes) + "\r\n\r\n", limit) == verdict);
    return 0;
}
