#include "diagnosis/NetworkMemoryService.h"

#include "platform/Clock.h"
#include "platform/PreferencesStore.h"

NetworkMemoryService::NetworkMemoryService(PreferencesStore& userDefaults, const Clock& clock)
    : m_userDefaults(userDefaults), m_clock(clock) {
    load();
}

void NetworkMemoryService::record(const std::string& ssid, int score, double latency) {
    networkmemory::record(m_memories, ssid, score, latency, m_clock.now());
    save();
}

std::optional<NetworkInsight> NetworkMemoryService::insight(const std::string& ssid, int currentScore) const {
    return networkmemory::insight(m_memories, ssid, currentScore);
}

void NetworkMemoryService::load() {
    const auto data = m_userDefaults.readData(storageKey);
    if (!data)
        return;
    auto decoded = networkmemory::decode(std::string_view(data->constData(), std::size_t(data->size())));
    if (!decoded)
        return;
    m_memories = std::move(*decoded);
    networkmemory::prune(m_memories, m_clock.now());
}

void NetworkMemoryService::save() {
    networkmemory::prune(m_memories, m_clock.now());
    const std::string text = networkmemory::encode(m_memories);
    m_userDefaults.writeData(storageKey, QByteArray(text.data(), qsizetype(text.size())));
}
