#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Result of running one system tool to completion.
struct CommandResult {
    // Set when the tool could not be started (missing, not executable); nothing else is then meaningful.
    std::optional<std::string> launchError;
    // Exit status; -1 when the tool was killed by a signal or timed out.
    int exitStatus = -1;
    // Everything written to the captured pipe, when it is valid UTF-8; otherwise empty.
    std::string output;

    bool launched() const { return !launchError.has_value(); }
};

enum class CaptureMode { StandardOutput, StandardOutputAndError };

// The one way a system tool is run: absolute path, argument list (no shell), wait for exit, read
// all output. Blocking: call it off the main thread unless the tool is known to be quick.
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult run(const std::string& program, const std::vector<std::string>& arguments,
                              CaptureMode capture = CaptureMode::StandardOutput) const = 0;
};
