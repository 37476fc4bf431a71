#include "diagnosis/NetworkMemoryRules.h"

#include "diagnosis/LocalCalendar.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace networkmemory {
namespace {

using json = nlohmann::json;
using Seconds = std::chrono::duration<double>;

// Seconds between 1970-01-01 and 2001-01-01, both UTC.
constexpr double kReferenceOffset = 978'307'200.0;
// Stored dates outside 1970-2200 come from a damaged file. The range also stays well inside what the
// nanosecond clock holds (about 1678-2262), which a damaged date must not overflow.
constexpr double kEarliestStoredDate = -kReferenceOffset;
constexpr double kLatestStoredDate = 7'258'118'400.0 - kReferenceOffset;
// No network is measured this often; larger counts come from a damaged file, and keeping them far
// below the 64-bit range leaves the sums and products of record() room to grow.
constexpr std::int64_t kLargestCount = 10'000'000;
constexpr std::int64_t kBestScore = 100;

double toStored(TimePoint time) {
    return Seconds(time.time_since_epoch()).count() - kReferenceOffset;
}

std::optional<TimePoint> fromStored(const json& value) {
    if (!value.is_number())
        return std::nullopt;
    const double seconds = value.get<double>();
    if (!(seconds >= kEarliestStoredDate && seconds <= kLatestStoredDate))
        return std::nullopt;
    return TimePoint(std::chrono::duration_cast<TimePoint::duration>(Seconds(seconds + kReferenceOffset)));
}

std::optional<std::int64_t> integerMember(const json& object, const char* name) {
    const auto it = object.find(name);
    if (it == object.end() || !it->is_number_integer())
        return std::nullopt;
    // Unsigned values above the signed range are corrupt, not counts.
    if (it->is_number_unsigned() &&
        it->get<std::uint64_t>() > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return it->get<std::int64_t>();
}

bool isPlausibleCount(std::int64_t count) {
    return count >= 0 && count <= kLargestCount;
}

std::optional<TimePoint> dateMember(const json& object, const char* name) {
    const auto it = object.find(name);
    if (it == object.end())
        return std::nullopt;
    return fromStored(*it);
}

std::optional<DailyAverage> decodeDay(const json& object) {
    if (!object.is_object())
        return std::nullopt;
    const auto date = dateMember(object, "date");
    const auto score = integerMember(object, "score");
    const auto count = integerMember(object, "count");
    if (!date || !score || !count || !isPlausibleCount(*count) || *score < 0 || *score > kBestScore)
        return std::nullopt;
    return DailyAverage{*date, *score, *count};
}

std::optional<NetworkMemory> decodeNetwork(const json& object) {
    if (!object.is_object())
        return std::nullopt;
    const auto ssid = object.find("ssid");
    const auto latency = object.find("totalLatency");
    const auto days = object.find("dailyAverages");
    if (ssid == object.end() || !ssid->is_string() || latency == object.end() || !latency->is_number() ||
        days == object.end() || !days->is_array())
        return std::nullopt;
    const auto firstSeen = dateMember(object, "firstSeen");
    const auto lastSeen = dateMember(object, "lastSeen");
    const auto count = integerMember(object, "measurementCount");
    const auto total = integerMember(object, "totalScore");
    if (!firstSeen || !lastSeen || !count || !total || !isPlausibleCount(*count) || *total < 0 ||
        *total > *count * kBestScore)
        return std::nullopt;
    NetworkMemory memory{ssid->get<std::string>(), *firstSeen, *lastSeen, *count, *total,
                         latency->get<double>(),   {}};
    for (const auto& day : *days) {
        auto decoded = decodeDay(day);
        if (!decoded)
            return std::nullopt;
        memory.dailyAverages.push_back(*decoded);
    }
    return memory;
}

// A history that has run into the 64-bit limit stays at it instead of wrapping around.
std::int64_t saturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return sum;
}

std::int64_t saturatingMultiply(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        return (a < 0) == (b < 0) ? std::numeric_limits<std::int64_t>::max()
                                  : std::numeric_limits<std::int64_t>::min();
    return product;
}

// Truncates toward zero, saturating instead of overflowing on absurd stored histories.
int truncatedPercent(double value) {
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

void record(NetworkMemories& memories, const std::string& ssid, int score, double latency, TimePoint now) {
    auto [it, inserted] = memories.try_emplace(ssid);
    NetworkMemory& memory = it->second;
    if (inserted) {
        memory.ssid = ssid;
        memory.firstSeen = now;
    }
    memory.lastSeen = now;
    memory.measurementCount = saturatingAdd(memory.measurementCount, 1);
    memory.totalScore = saturatingAdd(memory.totalScore, score);
    // JSON has no NaN or infinity: one such sample would make the whole stored memory unreadable.
    if (std::isfinite(latency))
        memory.totalLatency += latency;

    const TimePoint today = localcalendar::startOfDay(now).value_or(now);
    const auto day =
        std::find_if(memory.dailyAverages.begin(), memory.dailyAverages.end(),
                     [&](const DailyAverage& entry) { return localcalendar::isSameDay(entry.date, today); });
    if (day == memory.dailyAverages.end()) {
        memory.dailyAverages.push_back(DailyAverage{today, score, 1});
    } else {
        // The mean is rebuilt from the already rounded mean, so it drifts a little; that is intended.
        // A count below zero would divide by zero: the day is taken as empty instead.
        const std::int64_t count = std::max<std::int64_t>(day->count, 0);
        const std::int64_t next = saturatingAdd(count, 1);
        day->score = saturatingAdd(saturatingMultiply(day->score, count), score) / next;
        day->count = next;
    }
}

void prune(NetworkMemories& memories, TimePoint now) {
    const TimePoint staleLimit = now - maxAge;
    std::erase_if(memories, [&](const auto& entry) { return entry.second.lastSeen <= staleLimit; });

    if (memories.size() > std::size_t(maxNetworks)) {
        std::vector<std::pair<TimePoint, std::string>> byRecency;
        for (const auto& [ssid, memory] : memories)
            byRecency.emplace_back(memory.lastSeen, ssid);
        std::sort(byRecency.begin(), byRecency.end(),
                  [](const auto& a, const auto& b) { return a.first > b.first; });
        for (std::size_t i = maxNetworks; i < byRecency.size(); ++i)
            memories.erase(byRecency[i].second);
    }

    const TimePoint cutoff = localcalendar::daysBefore(now, maxDaysHistory).value_or(now);
    for (auto& [ssid, memory] : memories)
        std::erase_if(memory.dailyAverages, [&](const DailyAverage& day) { return day.date <= cutoff; });
}

std::optional<NetworkInsight> insight(const NetworkMemories& memories, const std::string& ssid,
                                      int currentScore) {
    const auto it = memories.find(ssid);
    if (it == memories.end() || it->second.measurementCount < minimumMeasurements)
        return std::nullopt;
    const std::int64_t usual = it->second.totalScore / it->second.measurementCount;
    const std::int64_t current = currentScore;
    const std::int64_t diff = current - usual;

    if (diff >= 16 || diff <= -16) {
        // A usual score of zero or less only comes from hand-edited data; there is no percentage of it.
        if (usual <= 0)
            return std::nullopt;
        if (diff >= 16)
            return NetworkInsight::betterThanUsual(truncatedPercent(double(diff) / double(usual) * 100.0));
        return NetworkInsight::worseThanUsual(
            truncatedPercent(double(usual - current) / double(usual) * 100.0));
    }
    if (current >= 80 && usual >= 80)
        return NetworkInsight::consistentlyGood();
    if (current < 50 && usual < 50)
        return NetworkInsight::consistentlyPoor();
    return std::nullopt;
}

std::string encode(const NetworkMemories& memories) {
    json root = json::object();
    for (const auto& [key, memory] : memories) {
        json days = json::array();
        for (const auto& day : memory.dailyAverages)
            days.push_back({{"date", toStored(day.date)}, {"score", day.score}, {"count", day.count}});
        root[key] = {
            {"ssid", memory.ssid},
            {"firstSeen", toStored(memory.firstSeen)},
            {"lastSeen", toStored(memory.lastSeen)},
            {"measurementCount", memory.measurementCount},
            {"totalScore", memory.totalScore},
            {"totalLatency", memory.totalLatency},
            {"dailyAverages", std::move(days)},
        };
    }
    // Names that are not valid UTF-8 are written with replacement characters rather than failing.
    return root.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<NetworkMemories> decode(std::string_view text) {
    const json root = json::parse(text, nullptr, false);
    if (root.is_discarded() || !root.is_object())
        return std::nullopt;
    NetworkMemories memories;
    for (const auto& [key, value] : root.items()) {
        auto memory = decodeNetwork(value);
        if (!memory)
            return std::nullopt;
        memories.emplace(key, std::move(*memory));
    }
    return memories;
}

} // namespace networkmemory
