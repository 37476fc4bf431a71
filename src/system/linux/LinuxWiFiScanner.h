#pragma once

#include "platform/WiFiScanner.h"
#include "system/linux/Nl80211Messages.h"

#include <chrono>
#include <vector>

class KernelScanSource;
class ScanTrigger;

// Scans through NetworkManager (no privilege needed) and reads the results the kernel keeps, with
// the signal in dBm and the elements each access point advertises. Without NetworkManager the
// kernel's cached results are still listed, with the reason no fresh scan was made.
class LinuxWiFiScanner final : public WiFiScanner {
public:
    // How long a requested scan may take; NetworkManager may hold a request back for several
    // seconds after the previous scan.
    static constexpr std::chrono::milliseconds kScanTimeLimit{15'000};

    LinuxWiFiScanner(ScanTrigger& trigger, KernelScanSource& kernel,
                     std::chrono::milliseconds scanTimeLimit = kScanTimeLimit);

    WiFiScanResult scan() override;

private:
    ScanTrigger& m_trigger;
    KernelScanSource& m_kernel;
    std::chrono::milliseconds m_scanTimeLimit;
};

namespace linuxscan {

// The station-mode interface to scan with: the first connected one, else the first one.
std::optional<nl80211::InterfaceInfo> chooseInterface(const std::vector<nl80211::InterfaceInfo>& interfaces);

// One cached kernel scan result as the platform reports an access point; the noise comes from the
// survey of its channel when the driver measures it.
ScannedAccessPoint accessPointFor(const nl80211::ScanResult& result,
                                  const std::vector<nl80211::SurveyEntry>& survey);

} // namespace linuxscan
