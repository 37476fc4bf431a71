#include "viewmodel/DiagnosticsCards.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

DNSResult lookup(double time, std::optional<std::string> address = "104.16.132.229") {
    DNSResult result;
    result.server = "9.9.9.9";
    result.lookupTime = time;
    result.resolvedIP = std::move(address);
    return result;
}

} // namespace

TEST(DNSCardTest, LookupTimeNoteAndTone) {
    const auto none = dnsCard(std::nullopt, {});
    EXPECT_EQ(none.time, "--");
    EXPECT_EQ(none.timeTone, std::nullopt);
    EXPECT_TRUE(none.server.isEmpty());
    EXPECT_TRUE(none.note.isEmpty());

    const std::vector<std::tuple<double, QString, Tone, QString, Tone>> cases{
        {19.6, "19ms", Tone::green, "fast", Tone::green},
        {150.0, "150ms", Tone::orange, "slow", Tone::orange},
        {250.0, "250ms", Tone::red, "slow", Tone::orange}};
    for (const auto& [time, text, tone, note, noteTone] : cases) {
        const auto card = dnsCard(lookup(time), {time});
        EXPECT_EQ(card.time, text);
        EXPECT_EQ(card.timeTone, tone) << time;
        EXPECT_EQ(card.note, note) << time;
        EXPECT_EQ(card.noteTone, noteTone) << time;
        EXPECT_EQ(card.server, "9.9.9.9");
    }
    EXPECT_TRUE(dnsCard(lookup(50.0), {}).note.isEmpty());
}

// A lookup that came back without an address is a failure, not a fast answer.
TEST(DNSCardTest, AFailedLookupReadsFailedInRed) {
    const auto failed = dnsCard(lookup(1.2, std::nullopt), {1.2});
    EXPECT_EQ(failed.time, "Failed");
    EXPECT_EQ(failed.timeTone, Tone::red);
    EXPECT_TRUE(failed.note.isEmpty());
    EXPECT_EQ(failed.server, "9.9.9.9");

    const auto answered = dnsCard(lookup(1.2), {1.2});
    EXPECT_EQ(answered.time, "1ms");
    EXPECT_EQ(answered.note, "fast");
}
