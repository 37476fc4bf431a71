#pragma once

#include "platform/CommandRunner.h"

#include <chrono>

// Runs tools with QProcess. A tool that never exits is killed after a generous limit, so a hung
// tool cannot block a worker thread forever.
class ProcessCommandRunner final : public CommandRunner {
public:
    explicit ProcessCommandRunner(std::chrono::milliseconds limit = std::chrono::seconds(60));

    CommandResult run(const std::string& program, const std::vector<std::string>& arguments,
                      CaptureMode capture = CaptureMode::StandardOutput) const override;

private:
    std::chrono::milliseconds m_limit;
};
