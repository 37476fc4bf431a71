#include "system/linux/Nl80211ScanSource.h"

#include "system/linux/Nl80211.h"

Nl80211ScanSource::Nl80211ScanSource() = default;
Nl80211ScanSource::~Nl80211ScanSource() = default;

Nl80211* Nl80211ScanSource::socket() {
    if (!m_socket)
        m_socket = Nl80211::open(&m_lastError);
    return m_socket.get();
}

std::optional<std::vector<nl80211::InterfaceInfo>> Nl80211ScanSource::interfaces() {
    std::lock_guard lock(m_mutex);
    auto* nl = socket();
    if (!nl)
        return std::nullopt;
    auto result = nl->interfaces();
    if (!result) {
        m_lastError = nl->lastError();
        m_socket.reset(); // reopen next time, in case the socket itself went bad
    }
    return result;
}

std::optional<std::vector<nl80211::ScanResult>> Nl80211ScanSource::scanResults(std::uint32_t interfaceIndex) {
    std::lock_guard lock(m_mutex);
    auto* nl = socket();
    if (!nl)
        return std::nullopt;
    auto result = nl->scanResults(interfaceIndex);
    if (!result) {
        m_lastError = nl->lastError();
        m_socket.reset(); // reopen next time, in case the socket itself went bad
    }
    return result;
}

std::vector<nl80211::SurveyEntry> Nl80211ScanSource::survey(std::uint32_t interfaceIndex) {
    std::lock_guard lock(m_mutex);
    auto* nl = socket();
    if (!nl)
        return {};
    return nl->survey(interfaceIndex).value_or(std::vector<nl80211::SurveyEntry>{});
}

std::string Nl80211ScanSource::lastError() const {
    std::lock_guard lock(m_mutex);
    return m_lastError;
}
