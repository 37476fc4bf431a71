#pragma once

#include <chrono>
#include <string>

// Asks the system to scan for networks on one interface and waits for the scan to finish.
class ScanTrigger {
public:
    struct Outcome {
        enum class Status {
            // A fresh scan finished within the time limit.
            completed,
            // The request was accepted but no finished scan was seen in time.
            timedOut,
            // Nothing on this system can start a scan for us.
            unavailable,
            // The request was turned down.
            refused,
        };
        Status status = Status::completed;
        // What went wrong, for every status but completed.
        std::string message;
    };

    virtual ~ScanTrigger() = default;
    // Blocking for up to `limit`: call it off the main thread.
    virtual Outcome requestScan(const std::string& interfaceName, std::chrono::milliseconds limit) = 0;
};
