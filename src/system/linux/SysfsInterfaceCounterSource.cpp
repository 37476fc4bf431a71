#include "system/linux/SysfsInterfaceCounterSource.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace {

std::optional<std::uint64_t> readCounter(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::string text;
    if (!(file >> text))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

SysfsInterfaceCounterSource::SysfsInterfaceCounterSource(SysfsInterfaceKinds kinds)
    : m_kinds(std::move(kinds)) {}

std::optional<std::vector<InterfaceCounters>> SysfsInterfaceCounterSource::counters() const {
    std::error_code error;
    std::filesystem::directory_iterator folder(m_kinds.root(), error);
    if (error)
        return std::nullopt;

    std::vector<InterfaceCounters> result;
    std::map<std::string, InterfaceKind> kinds;
    // Stepped with an error code: a folder that changes while it is read must not throw.
    for (; !error && folder != std::filesystem::directory_iterator(); folder.increment(error)) {
        const std::string name = folder->path().filename().string();
        const auto statistics = folder->path() / "statistics";
        const auto bytesIn = readCounter(statistics / "rx_bytes");
        const auto bytesOut = readCounter(statistics / "tx_bytes");
        // An interface that vanished between listing and reading has no counters left to count.
        if (!bytesIn || !bytesOut)
            continue;
        const auto cached = m_kindCache.find(name);
        const InterfaceKind kind = cached != m_kindCache.end() ? cached->second : m_kinds.kind(name);
        kinds.emplace(name, kind);
        result.push_back({name, kind, *bytesIn, *bytesOut});
    }
    m_kindCache = std::move(kinds);
    if (result.empty())
        return std::nullopt;
    return result;
}
