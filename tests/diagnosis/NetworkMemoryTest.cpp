#include "diagnosis/LocalCalendar.h"
#include "diagnosis/NetworkMemoryRules.h"
#include "diagnosis/NetworkMemoryService.h"
#include "support/ManualClock.h"
#include "support/MemoryPreferencesStore.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

using namespace std::chrono_literals;
using json = nlohmann::json;

// Unix time of a UTC wall-clock moment, for readable test dates.
TimePoint utc(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    const std::chrono::sys_days days = std::chrono::year{year} / month / day;
    return TimePoint(days) + std::chrono::hours(hour) + std::chrono::minutes(minute) +
           std::chrono::seconds(second);
}

// Runs every test in a fixed zone with daylight saving, so local days are predictable.
class NetworkMemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* zone = std::getenv("TZ"))
            m_savedZone = zone;
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
    }
    void TearDown() override {
        if (m_savedZone)
            setenv("TZ", m_savedZone->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    std::optional<std::string> m_savedZone;
};

NetworkMemories historyWithUsual(int usual, int measurements = 11) {
    NetworkMemories memories;
    const TimePoint now = utc(2027, 3, 1, 12);
    for (int i = 0; i < measurements; ++i)
        networkmemory::record(memories, "Home", usual, 20.0, now);
    return memories;
}

// The stored form of a sound history of "Home": two measurements (90, 80) today.
json storedHome(TimePoint now) {
    NetworkMemories memories;
    networkmemory::record(memories, "Home", 90, 10.0, now);
    networkmemory::record(memories, "Home", 80, 10.0, now);
    return json::parse(networkmemory::encode(memories));
}

// Whether the stored history still decodes with these members (JSON pointers) replaced.
bool decodesWith(std::initializer_list<std::pair<const char*, json>> changes) {
    json stored = storedHome(utc(2027, 3, 1, 12));
    for (const auto& [member, value] : changes)
        stored.at(json::json_pointer(member)) = value;
    return networkmemory::decode(stored.dump()).has_value();
}

TEST_F(NetworkMemoryTest, LocalDaysStartAtLocalMidnight) {
    // 23:30 UTC on 14 June is 01:30 on 15 June in Berlin (summer time).
    EXPECT_EQ(localcalendar::startOfDay(utc(2027, 6, 14, 23, 30)), utc(2027, 6, 14, 22));
    EXPECT_TRUE(localcalendar::isSameDay(utc(2027, 6, 14, 22), utc(2027, 6, 15, 21, 59)));
    EXPECT_FALSE(localcalendar::isSameDay(utc(2027, 6, 14, 21, 59), utc(2027, 6, 14, 22)));
    // Seven calendar days across the change to summer time are 167 hours, not 168.
    EXPECT_EQ(localcalendar::daysBefore(utc(2027, 4, 1, 10), 7), utc(2027, 3, 25, 11));
}

TEST_F(NetworkMemoryTest, DailyMeanIsRebuiltFromTheRoundedMean) {
    NetworkMemories memories;
    const TimePoint morning = utc(2027, 3, 1, 8);
    networkmemory::record(memories, "Home", 90, 10.0, morning);
    networkmemory::record(memories, "Home", 95, 30.0, morning + 1h);
    ASSERT_EQ(memories["Home"].dailyAverages.size(), 1u);
    EXPECT_EQ(memories["Home"].dailyAverages[0].score, 92);
    networkmemory::record(memories, "Home", 100, 5.0, morning + 2h);

    const NetworkMemory& home = memories["Home"];
    EXPECT_EQ(home.dailyAverages[0], (DailyAverage{utc(2027, 2, 28, 23), 94, 3}));
    EXPECT_EQ(home.measurementCount, 3);
    EXPECT_EQ(home.totalScore, 285);
    EXPECT_DOUBLE_EQ(home.totalLatency, 45.0);
    EXPECT_EQ(home.firstSeen, morning);
    EXPECT_EQ(home.lastSeen, morning + 2h);
}

TEST_F(NetworkMemoryTest, FirstMeasurementAfterLocalMidnightStartsANewDay) {
    NetworkMemories memories;
    networkmemory::record(memories, "Home", 80, 10.0, utc(2027, 3, 1, 22, 50)); // 23:50 local
    networkmemory::record(memories, "Home", 60, 10.0, utc(2027, 3, 1, 23, 10)); // 00:10 local
    const auto& days = memories["Home"].dailyAverages;
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0], (DailyAverage{utc(2027, 2, 28, 23), 80, 1}));
    EXPECT_EQ(days[1], (DailyAverage{utc(2027, 3, 1, 23), 60, 1}));
}

TEST_F(NetworkMemoryTest, PruneForgetsNetworksSeenThirtyDaysAgoOrEarlier) {
    NetworkMemories memories;
    const TimePoint now = utc(2027, 5, 1, 12);
    networkmemory::record(memories, "Exactly30", 70, 1.0, now - networkmemory::maxAge);
    networkmemory::record(memories, "JustInside", 70, 1.0, now - networkmemory::maxAge + 1s);
    networkmemory::prune(memories, now);
    EXPECT_FALSE(memories.contains("Exactly30"));
    EXPECT_TRUE(memories.contains("JustInside"));
}

TEST_F(NetworkMemoryTest, PruneKeepsTodayAndTheSixDaysBefore) {
    NetworkMemories memories;
    const TimePoint now = utc(2027, 5, 20, 10); // 12:00 local
    for (int daysAgo = 8; daysAgo >= 0; --daysAgo)
        networkmemory::record(memories, "Home", 50 + daysAgo, 1.0, now - std::chrono::days(daysAgo));
    networkmemory::prune(memories, now);
    const auto& days = memories["Home"].dailyAverages;
    ASSERT_EQ(days.size(), 7u);
    EXPECT_EQ(days.front().score, 56);
    EXPECT_EQ(days.front().date, utc(2027, 5, 13, 22)); // local midnight starting 14 May
    EXPECT_EQ(days.back().score, 50);
}

TEST_F(NetworkMemoryTest, InsightNeedsElevenMeasurements) {
    EXPECT_EQ(networkmemory::insight(historyWithUsual(90, 10), "Home", 90), std::nullopt);
    EXPECT_EQ(networkmemory::insight(historyWithUsual(90, 11), "Home", 90),
              NetworkInsight::consistentlyGood());
    EXPECT_EQ(networkmemory::insight(historyWithUsual(90, 11), "Other", 90), std::nullopt);
}

TEST_F(NetworkMemoryTest, InsightThresholds) {
    EXPECT_EQ(networkmemory::insight(historyWithUsual(70), "Home", 86), NetworkInsight::betterThanUsual(22));
    EXPECT_EQ(networkmemory::insight(historyWithUsual(70), "Home", 85), std::nullopt);
    EXPECT_EQ(networkmemory::insight(historyWithUsual(80), "Home", 64), NetworkInsight::worseThanUsual(20));
    EXPECT_EQ(networkmemory::insight(historyWithUsual(80), "Home", 65), std::nullopt);
    EXPECT_EQ(networkmemory::insight(historyWithUsual(85), "Home", 95), NetworkInsight::consistentlyGood());
    EXPECT_EQ(networkmemory::insight(historyWithUsual(45), "Home", 40), NetworkInsight::consistentlyPoor());
    EXPECT_EQ(networkmemory::insight(historyWithUsual(79), "Home", 90), std::nullopt);
    EXPECT_EQ(networkmemory::insight(historyWithUsual(60), "Home", 0), NetworkInsight::worseThanUsual(100));
}

TEST_F(NetworkMemoryTest, UsualScoreIsTruncatedMean) {
    NetworkMemories memories = historyWithUsual(70, 10);
    networkmemory::record(memories, "Home", 79, 1.0, utc(2027, 3, 1, 12)); // 779 / 11 = 70.8 -> 70
    EXPECT_EQ(networkmemory::insight(memories, "Home", 86), NetworkInsight::betterThanUsual(22));
}

TEST_F(NetworkMemoryTest, HandEditedZeroHistoryGivesNoPercentage) {
    EXPECT_EQ(networkmemory::insight(historyWithUsual(0), "Home", 60), std::nullopt);
    EXPECT_EQ(networkmemory::insight(historyWithUsual(0), "Home", 10), NetworkInsight::consistentlyPoor());
}

TEST_F(NetworkMemoryTest, InsightTexts) {
    EXPECT_EQ(displayText(NetworkInsight::betterThanUsual(22)), "22% better than usual");
    EXPECT_EQ(displayText(NetworkInsight::worseThanUsual(100)), "100% slower than usual");
    EXPECT_EQ(displayText(NetworkInsight::consistentlyGood()), "Reliably good here");
    EXPECT_EQ(displayText(NetworkInsight::consistentlyPoor()), "Usually struggles here");
}

TEST_F(NetworkMemoryTest, StoredLayoutUsesReferenceDateSeconds) {
    NetworkMemories memories;
    networkmemory::record(memories, "Café", 77, 12.5, utc(2001, 1, 2, 0, 0, 30) + 250ms);
    const json stored = json::parse(networkmemory::encode(memories));
    const json& cafe = stored.at("Café");
    EXPECT_EQ(cafe.at("ssid"), "Café");
    EXPECT_DOUBLE_EQ(cafe.at("firstSeen").get<double>(), 86'430.25);
    EXPECT_DOUBLE_EQ(cafe.at("lastSeen").get<double>(), 86'430.25);
    EXPECT_TRUE(cafe.at("measurementCount").is_number_integer());
    EXPECT_EQ(cafe.at("totalScore"), 77);
    EXPECT_DOUBLE_EQ(cafe.at("totalLatency").get<double>(), 12.5);
    // Local midnight in Berlin (winter) is 23:00 UTC the day before.
    EXPECT_DOUBLE_EQ(cafe.at("dailyAverages").at(0).at("date").get<double>(), 82'800.0);
    EXPECT_EQ(cafe.at("dailyAverages").at(0).at("count"), 1);

    EXPECT_EQ(networkmemory::decode(networkmemory::encode(memories)), memories);
}

TEST_F(NetworkMemoryTest, DecodingRejectsWrongLayouts) {
    const std::string valid = R"({"Home":{"ssid":"Home","firstSeen":1.5,"lastSeen":2,"measurementCount":3,
        "totalScore":200,"totalLatency":12,"extra":true,"dailyAverages":[{"date":0,"score":66,"count":3}]}})";
    const auto decoded = networkmemory::decode(valid);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->at("Home").totalScore, 200);
    EXPECT_EQ(decoded->at("Home").dailyAverages.at(0).date, utc(2001, 1, 1, 0));

    for (
        const char* text : {
            "not json",
            "[]",
            R"({"Home":{"ssid":"Home"}})",
            R"({"Home":{"ssid":"Home","firstSeen":1,"lastSeen":2,"measurementCount":3.5,"totalScore":1,
                 "totalLatency":1,"dailyAverages":[]}})",
            R"({"Home":{"ssid":"Home","firstSeen":"yesterday","lastSeen":2,"measurementCount":3,"totalScore":1,
                 "totalLatency":1,"dailyAverages":[]}})",
            R"({"Home":{"ssid":"Home","firstSeen":1e300,"lastSeen":2,"measurementCount":3,"totalScore":1,
                 "totalLatency":1,"dailyAverages":[]}})",
            R"({"Home":{"ssid":"Home","firstSeen":1,"lastSeen":2,"measurementCount":3,"totalScore":1,
                 "totalLatency":1,"dailyAverages":[{"date":0,"score":1}]}})",
        })
        EXPECT_EQ(networkmemory::decode(text), std::nullopt) << text;
}

TEST_F(NetworkMemoryTest, DecodingKeepsCountsScoresAndDatesInRange) {
    EXPECT_TRUE(decodesWith({}));
    EXPECT_TRUE(decodesWith({{"/Home/measurementCount", 10'000'000}, {"/Home/totalScore", 1'000'000'000}}));
    EXPECT_FALSE(decodesWith({{"/Home/measurementCount", 10'000'001}}));
    EXPECT_FALSE(decodesWith({{"/Home/measurementCount", -1}, {"/Home/totalScore", 0}}));
    // Two measurements: at most 100 each.
    EXPECT_TRUE(decodesWith({{"/Home/totalScore", 200}}));
    EXPECT_FALSE(decodesWith({{"/Home/totalScore", 201}}));
    EXPECT_FALSE(decodesWith({{"/Home/totalScore", -1}}));
    EXPECT_TRUE(
        decodesWith({{"/Home/dailyAverages/0/score", 100}, {"/Home/dailyAverages/0/count", 10'000'000}}));
    EXPECT_FALSE(decodesWith({{"/Home/dailyAverages/0/score", 101}}));
    EXPECT_FALSE(decodesWith({{"/Home/dailyAverages/0/score", -1}}));
    EXPECT_FALSE(decodesWith({{"/Home/dailyAverages/0/count", 10'000'001}}));
    // From 1970 to 2200, in seconds since 2001.
    EXPECT_TRUE(
        decodesWith({{"/Home/firstSeen", -978'307'200}, {"/Home/dailyAverages/0/date", 6'279'811'200}}));
    EXPECT_FALSE(decodesWith({{"/Home/firstSeen", -978'307'200.5}}));
    EXPECT_FALSE(decodesWith({{"/Home/dailyAverages/0/date", 6'279'811'200.5}}));
}

TEST_F(NetworkMemoryTest, RecordSaturatesInsteadOfOverflowing) {
    const TimePoint now = utc(2027, 3, 1, 12);
    const TimePoint today = utc(2027, 2, 28, 23);
    constexpr std::int64_t top = std::numeric_limits<std::int64_t>::max();
    NetworkMemories memories;
    memories["Home"] =
        NetworkMemory{"Home", now, now, top, top - 10, 0.0, {DailyAverage{today, top / 2, top}}};
    networkmemory::record(memories, "Home", 70, 1.0, now);
    EXPECT_EQ(memories["Home"].measurementCount, top);
    EXPECT_EQ(memories["Home"].totalScore, top);
    EXPECT_EQ(memories["Home"].dailyAverages[0].count, top);

    // A day that claims fewer than no measurements is taken as empty.
    memories["Home"].dailyAverages[0] = DailyAverage{today, 50, -1};
    networkmemory::record(memories, "Home", 70, 1.0, now);
    EXPECT_EQ(memories["Home"].dailyAverages[0], (DailyAverage{today, 70, 1}));
}

class NetworkMemoryServiceTest : public NetworkMemoryTest {
protected:
    MemoryPreferencesStore store;
    ManualClock clock{utc(2027, 3, 1, 12)};
};

TEST_F(NetworkMemoryServiceTest, RecordsPersistAcrossInstances) {
    {
        NetworkMemoryService service(store, clock);
        for (int i = 0; i < 11; ++i)
            service.record("Home", 70, 20.0);
    }
    EXPECT_EQ(store.writeCount(), 11);
    NetworkMemoryService reloaded(store, clock);
    EXPECT_EQ(reloaded.memories().at("Home").measurementCount, 11);
    EXPECT_EQ(reloaded.insight("Home", 86), NetworkInsight::betterThanUsual(22));
    EXPECT_EQ(store.writeCount(), 11);
}

TEST_F(NetworkMemoryServiceTest, UndecodableDataIsKeptUntilTheNextRecord) {
    store.setRaw(NetworkMemoryService::storageKey, QByteArray("{\"Home\": [1, 2"));
    NetworkMemoryService service(store, clock);
    EXPECT_TRUE(service.memories().empty());
    EXPECT_EQ(store.writeCount(), 0);
    EXPECT_EQ(store.readData(NetworkMemoryService::storageKey), QByteArray("{\"Home\": [1, 2"));

    service.record("Cafe", 50, 30.0);
    const auto decoded =
        networkmemory::decode(store.readData(NetworkMemoryService::storageKey)->toStdString());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size(), 1u);
    EXPECT_TRUE(decoded->contains("Cafe"));
}

TEST_F(NetworkMemoryServiceTest, LoadPrunesButDoesNotWrite) {
    NetworkMemories old;
    networkmemory::record(old, "Old", 70, 1.0, clock.now() - 31 * 24h);
    networkmemory::record(old, "Recent", 70, 1.0, clock.now() - 1h);
    const std::string text = networkmemory::encode(old);
    store.writeData(NetworkMemoryService::storageKey, QByteArray::fromStdString(text));

    NetworkMemoryService service(store, clock);
    EXPECT_FALSE(service.memories().contains("Old"));
    EXPECT_TRUE(service.memories().contains("Recent"));
    EXPECT_EQ(store.writeCount(), 1);
}

TEST_F(NetworkMemoryServiceTest, FiftyFirstNetworkEvictsTheLeastRecentlySeen) {
    NetworkMemoryService service(store, clock);
    for (int i = 0; i < 50; ++i) {
        service.record("net-" + std::to_string(i), 70, 1.0);
        clock.advance(1min);
    }
    service.record("newcomer", 70, 1.0);
    EXPECT_EQ(service.memories().size(), 50u);
    EXPECT_FALSE(service.memories().contains("net-0"));
    EXPECT_TRUE(service.memories().contains("newcomer"));
    EXPECT_EQ(networkmemory::decode(store.readData(NetworkMemoryService::storageKey)->toStdString())->size(),
              50u);
}

TEST_F(NetworkMemoryServiceTest, NonFiniteLatencyDoesNotCorruptTheStore) {
    NetworkMemoryService service(store, clock);
    service.record("Home", 70, 10.0);
    service.record("Home", 70, std::numeric_limits<double>::quiet_NaN());
    NetworkMemoryService reloaded(store, clock);
    ASSERT_TRUE(reloaded.memories().contains("Home"));
    EXPECT_EQ(reloaded.memories().at("Home").measurementCount, 2);
    EXPECT_DOUBLE_EQ(reloaded.memories().at("Home").totalLatency, 10.0);
}

// One damaged member of the stored history, as found by fuzzing the decoder.
struct Damage {
    const char* name;
    const char* member; // JSON pointer
    json value;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.member << " = " << damage.value.dump();
}

class DamagedNetworkMemoryTest : public NetworkMemoryServiceTest,
                                 public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedNetworkMemoryTest, IsCorruptAndRecordingStartsAfresh) {
    json stored = storedHome(clock.now());
    stored.at(json::json_pointer(GetParam().member)) = GetParam().value;
    const std::string text = stored.dump();
    EXPECT_EQ(networkmemory::decode(text), std::nullopt);

    store.setRaw(NetworkMemoryService::storageKey, QByteArray::fromStdString(text));
    NetworkMemoryService service(store, clock);
    service.record("Home", 70, 20.0);
    const NetworkMemory& home = service.memories().at("Home");
    EXPECT_EQ(home.measurementCount, 1);
    EXPECT_EQ(home.totalScore, 70);
    EXPECT_EQ(home.firstSeen, clock.now());
    EXPECT_EQ(home.dailyAverages, (std::vector<DailyAverage>{{utc(2027, 2, 28, 23), 70, 1}}));
}

INSTANTIATE_TEST_SUITE_P(
    FoundByFuzzing, DamagedNetworkMemoryTest,
    ::testing::Values(Damage{"DailyCountMinusOne", "/Home/dailyAverages/0/count", -1},
                      Damage{"MeasurementCountAtTheTop", "/Home/measurementCount",
                             std::numeric_limits<std::int64_t>::max()},
                      Damage{"TotalScoreNearTheTop", "/Home/totalScore",
                             std::numeric_limits<std::int64_t>::max() - 50},
                      // Two measurements of the day times this score is past the top.
                      Damage{"DailyScoreTimesCountPastTheTop", "/Home/dailyAverages/0/score",
                             std::int64_t{5'000'000'000'000'000'000}},
                      // Seconds since 2001 beyond what a nanosecond clock holds, either way.
                      Damage{"LastSeenPastTheClock", "/Home/lastSeen", 8.25e9},
                      Damage{"FirstSeenBeforeTheClock", "/Home/firstSeen", -1.03e10}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

} // namespace
