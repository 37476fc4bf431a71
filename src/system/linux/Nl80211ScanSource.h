#pragma once

#include "system/linux/KernelScanSource.h"

#include <memory>
#include <mutex>
#include <string>

class Nl80211;

// Reads interfaces and cached scan results through nl80211; needs no privilege.
class Nl80211ScanSource final : public KernelScanSource {
public:
    Nl80211ScanSource();
    ~Nl80211ScanSource() override;

    std::optional<std::vector<nl80211::InterfaceInfo>> interfaces() override;
    std::optional<std::vector<nl80211::ScanResult>> scanResults(std::uint32_t interfaceIndex) override;
    std::vector<nl80211::SurveyEntry> survey(std::uint32_t interfaceIndex) override;
    std::string lastError() const override;

private:
    // Opens the socket on first use; absent when the kernel has no nl80211.
    Nl80211* socket();

    mutable std::mutex m_mutex;
    std::unique_ptr<Nl80211> m_socket;
    std::string m_lastError;
};
