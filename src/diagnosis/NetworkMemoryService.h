#pragma once

#include "diagnosis/NetworkInsight.h"
#include "diagnosis/NetworkMemoryRules.h"

#include <QString>

#include <optional>
#include <string>

class Clock;
class PreferencesStore;

// Remembers how well each network usually scores, persisted in the preferences store, and compares
// the current score with it. Used from the main thread only.
class NetworkMemoryService final {
public:
    static inline const QString storageKey = QStringLiteral("networkMemory");
    static constexpr int maxNetworks = networkmemory::maxNetworks;
    static constexpr int maxDaysHistory = networkmemory::maxDaysHistory;

    // Loads the stored memory; missing or unreadable data leaves it empty and is not rewritten.
    NetworkMemoryService(PreferencesStore& userDefaults, const Clock& clock);

    // Adds one measurement of the network and saves the whole memory.
    void record(const std::string& ssid, int score, double latency);
    std::optional<NetworkInsight> insight(const std::string& ssid, int currentScore) const;

    const NetworkMemories& memories() const { return m_memories; }

private:
    void load();
    void save();

    PreferencesStore& m_userDefaults;
    const Clock& m_clock;
    NetworkMemories m_memories;
};
