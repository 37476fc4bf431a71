#include "diagnosis/Roaming.h"
#include "diagnosis/NotificationRules.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

WiFiInfo reading(std::string ssid, std::optional<std::string> bssid, int rssi) {
    WiFiInfo info;
    info.ssid = std::move(ssid);
    info.bssid = std::move(bssid);
    info.rssi = rssi;
    return info;
}

} // namespace

TEST(Roaming, DetectedOnlyForANewAccessPointOfTheSameNetwork) {
    const auto a = reading("Home", "AA:BB:CC:00:00:01", -78);
    EXPECT_EQ(detectRoaming(a, reading("Home", "aa:bb:cc:00:00:02", -51)),
              (RoamingEvent{"Home", "AA:BB:CC:00:00:01", "aa:bb:cc:00:00:02", -78, -51}));
    // Same access point printed in another case, another network, unknown addresses, no link.
    EXPECT_EQ(detectRoaming(a, reading("Home", "aa:bb:cc:00:00:01", -60)), std::nullopt);
    EXPECT_EQ(detectRoaming(a, reading("Office", "aa:bb:cc:00:00:02", -60)), std::nullopt);
    EXPECT_EQ(detectRoaming(a, reading("Home", std::nullopt, -60)), std::nullopt);
    EXPECT_EQ(detectRoaming(reading("", "01", -60), reading("", "02", -60)), std::nullopt);
    EXPECT_EQ(detectRoaming(std::nullopt, a), std::nullopt);
    EXPECT_EQ(detectRoaming(a, std::nullopt), std::nullopt);
}

TEST(Roaming, NotificationIsOffByDefaultAndSpacedWhenOn) {
    NotificationRuleState state;
    TimePoint now = TimePoint(1'800'000'000s);
    const auto step = [&](const WiFiInfo& link, const AlertSwitches& switches) {
        NotificationMeasurements input;
        input.link = link;
        auto outcome = evaluateMeasurements(state, input, {}, now, switches);
        state = outcome.state;
        return outcome.notifications;
    };
    step(reading("Home", "01", -80), {});
    EXPECT_TRUE(step(reading("Home", "02", -50), {}).empty());

    const auto sent = step(reading("Home", "03", -45), {.roaming = true});
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].type, NotificationType::roaming);
    EXPECT_EQ(sent[0].title, "Roamed to another access point");
    EXPECT_EQ(sent[0].body, "Now on 03 (-45 dBm, was -50 dBm)");

    // Back within the minute: remembered, not announced; a disconnect forgets the access point.
    now += 30s;
    EXPECT_TRUE(step(reading("Home", "02", -60), {.roaming = true}).empty());
    now += 60s;
    auto input = NotificationMeasurements{};
    state = evaluateMeasurements(state, input, {}, now, {.roaming = true}).state;
    EXPECT_TRUE(step(reading("Home", "04", -60), {.roaming = true}).empty());
}
