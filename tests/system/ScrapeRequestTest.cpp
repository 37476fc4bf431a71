#include "system/ScrapeRequest.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr std::size_t kLimit = 256;
ScrapeVerdict judge(std::string_view bytes) {
    return judgeScrapeRequest(bytes, kLimit);
}
} // namespace

TEST(ScrapeRequest, AnswersOnlyACompleteGetOfMetrics) {
    EXPECT_EQ(judge("GET /metrics HTTP/1.1\r\nHost: 127.0.0.1:9469\r\nAccept: */*\r\n\r\n"),
              ScrapeVerdict::metrics);
    EXPECT_EQ(judge("GET /metrics?x=1 HTTP/1.0\n\n"), ScrapeVerdict::metrics);
    EXPECT_EQ(judge("GET /metrics HTTP/1.1\r\n\r\nbody that is ignored"), ScrapeVerdict::metrics);
    EXPECT_EQ(judge("GET / HTTP/1.1\r\n\r\n"), ScrapeVerdict::notFound);
    EXPECT_EQ(judge("GET /metrics/ HTTP/1.1\r\n\r\n"), ScrapeVerdict::notFound);
    EXPECT_EQ(judge("POST /metrics HTTP/1.1\r\nContent-Length: 0\r\n\r\n"), ScrapeVerdict::methodNotAllowed);
    EXPECT_EQ(judge("HEAD /metrics HTTP/1.1\r\n\r\n"), ScrapeVerdict::methodNotAllowed);
}

TEST(ScrapeRequest, WaitsForTheEndOfTheHeadUpToTheLimit) {
    for (const char* part :
         {"", "G", "GET", "GET /metr", "GET /metrics HTTP/1.1", "GET /metrics HTTP/1.1\r\n",
          "GET /metrics HTTP/1.1\r\nHost: x\r\n", "GET /metrics HTTP/1.1\r\n\r"})
        EXPECT_EQ(judge(part), ScrapeVerdict::incomplete) << part;
    const std::string longHeader = "GET /metrics HTTP/1.1\r\nCookie: " + std::string(kLimit, 'a');
    EXPECT_EQ(judge(longHeader), ScrapeVerdict::tooLarge);
    // A head that ends only past the limit counts as too large, too.
    EXPECT_EQ(judge(longHeader + "\r\n\r\n"), ScrapeVerdict::tooLarge);
    EXPECT_EQ(judge("GET /" + std::string(kLimit, 'm')), ScrapeVerdict::tooLarge);
}

TEST(ScrapeRequest, RefusesWhatIsNotHttpAtOnce) {
    for (const char* bytes :
         {"\x16\x03\x01\x02\x00", " GET /metrics HTTP/1.1\r\n\r\n", "GET\t/metrics HTTP/1.1\r\n\r\n",
          "GET /metrics\r\n\r\n", "GET metrics HTTP/1.1\r\n\r\n", "GET /metrics HTTP/2\r\n\r\n",
          "GET /met rics HTTP/1.1\r\n\r\n", "GET /m\x01 HTTP/1.1\r\n", "\r\n\r\n", "G\xC3\xA9T / HTTP/1.1"})
        EXPECT_EQ(judge(bytes), ScrapeVerdict::badRequest) << bytes;
}
