#pragma once

#include "platform/DNSSwitcher.h"

class CommandRunner;

// Changes a NetworkManager connection's IPv4 DNS servers with nmcli. Only saving the changed
// connection needs administrator rights, so only that step runs under pkexec, and the user sees one
// password prompt; bringing the connection up again to apply the change is allowed to the desktop
// user by NetworkManager's own policy and runs without pkexec. Every value reaches the tools as an
// argument of its own, never through a shell.
class NmcliDNSSwitcher final : public DNSSwitcher {
public:
    static constexpr char defaultPkexecPath[] = "/usr/bin/pkexec";
    static constexpr char defaultNmcliPath[] = "/usr/bin/nmcli";
    // pkexec's exit statuses when the user dismissed the prompt or was not authorised.
    static constexpr int pkexecDismissed = 126;
    static constexpr int pkexecNotAuthorized = 127;

    explicit NmcliDNSSwitcher(const CommandRunner& runner, std::string pkexecPath = defaultPkexecPath,
                              std::string nmcliPath = defaultNmcliPath);

    DNSSwitchOutcome setServers(const std::string& connectionName,
                                const std::vector<std::string>& servers) const override;

private:
    const CommandRunner& m_runner;
    std::string m_pkexecPath;
    std::string m_nmcliPath;
};
