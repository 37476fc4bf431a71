#pragma once

#include "platform/linux/ScanTrigger.h"

// Asks NetworkManager over the system bus to scan (polkit lets the active local user do this
// without a password) and waits until the device's LastScan stamp moves.
class NetworkManagerScanTrigger final : public ScanTrigger {
public:
    Outcome requestScan(const std::string& interfaceName, std::chrono::milliseconds limit) override;
};
