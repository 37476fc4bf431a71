#pragma once

#include <QString>

#include <functional>

// Keeps one running copy of the program per session: a later launch hands its request to the
// running copy instead of starting a second one.
class ProgramInstance {
public:
    enum class Claim {
        first,     // this process is the running copy now
        forwarded, // another copy runs and took the request
        failed,    // another copy seems to run but did not answer
    };

    virtual ~ProgramInstance() = default;

    // Becomes the running copy, or asks the running one to carry out `action` (empty: show itself).
    virtual Claim claim(const QString& action = {}) = 0;

    // A later launch or the desktop asked the running copy for `action` (empty: show the program).
    std::function<void(const QString&)> activated;
};
