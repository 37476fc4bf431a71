#pragma once

#include "system/linux/Nl80211Messages.h"

#include <cstdint>
#include <optional>
#include <vector>

// The kernel's wireless interfaces and the scan results it keeps for them.
class KernelScanSource {
public:
    virtual ~KernelScanSource() = default;
    // Absent when the kernel has no wireless support or cannot be asked.
    virtual std::optional<std::vector<nl80211::InterfaceInfo>> interfaces() = 0;
    // Absent when the dump fails; lastError() then says why.
    virtual std::optional<std::vector<nl80211::ScanResult>> scanResults(std::uint32_t interfaceIndex) = 0;
    // Noise per channel where the driver measures it; empty when it does not.
    virtual std::vector<nl80211::SurveyEntry> survey(std::uint32_t interfaceIndex) = 0;
    virtual std::string lastError() const = 0;
};
