#pragma once

#include <string>
#include <vector>

// How a request to change the DNS servers ended.
struct DNSSwitchOutcome {
    enum class Status { changed, cancelled, failed };
    Status status = Status::failed;
    // What the tools printed, standard error included; may be empty.
    std::string output;

    bool operator==(const DNSSwitchOutcome&) const = default;
};

// Changes the DNS servers of a network configuration system-wide, asking the user for
// administrator rights. Blocking until the user has answered and the change is applied: call it off
// the main thread.
class DNSSwitcher {
public:
    virtual ~DNSSwitcher() = default;
    // `servers` empty means: drop manual servers and use the ones the network hands out.
    virtual DNSSwitchOutcome setServers(const std::string& connectionName,
                                        const std::vector<std::string>& servers) const = 0;
};
