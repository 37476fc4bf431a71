#pragma once

#include "platform/Pinger.h"

#include <string>
#include <string_view>
#include <vector>

class CommandRunner;

// Pings with the iputils tool: numeric output, one echo request, at most 2 seconds waiting for its
// reply. "-W" rather than "-w": a deadline would make ping send further requests until it expires.
class IputilsPinger final : public Pinger {
public:
    static constexpr std::string_view path = "/usr/bin/ping";
    static std::vector<std::string> arguments(const std::string& host);

    explicit IputilsPinger(const CommandRunner& runner) : m_runner(runner) {}

    std::optional<double> ping(const std::string& host) const override;

private:
    const CommandRunner& m_runner;
};
