#include "system/linux/IputilsPinger.h"

#include "platform/CommandRunner.h"
#include "system/PingOutput.h"

std::vector<std::string> IputilsPinger::arguments(const std::string& host) {
    return {"-n", "-c", "1", "-W", "2", host};
}

std::optional<double> IputilsPinger::ping(const std::string& host) const {
    // A host starting with '-' would be taken as an option by the tool.
    if (host.empty() || host.front() == '-')
        return std::nullopt;
    try {
        const auto result =
            m_runner.run(std::string(path), arguments(host), CaptureMode::StandardOutputAndError);
        // A non-zero exit is a lost reply even when the output holds a time.
        if (!result.launched() || result.exitStatus != 0)
            return std::nullopt;
        return parsePingTime(result.output);
    } catch (...) {
        // Whatever goes wrong running the tool, the sample is simply lost.
        return std::nullopt;
    }
}
