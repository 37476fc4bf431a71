#include "system/linux/NmcliDNSSwitcher.h"

#include "platform/CommandRunner.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

using Status = DNSSwitchOutcome::Status;

std::string joined(const std::vector<std::string>& servers) {
    std::string text;
    for (const auto& server : servers)
        text += (text.empty() ? "" : " ") + server;
    return text;
}

DNSSwitchOutcome failed(const CommandResult& result) {
    return {Status::failed, result.launched() ? result.output : *result.launchError};
}

} // namespace

NmcliDNSSwitcher::NmcliDNSSwitcher(const CommandRunner& runner, std::string pkexecPath, std::string nmcliPath)
    : m_runner(runner), m_pkexecPath(std::move(pkexecPath)), m_nmcliPath(std::move(nmcliPath)) {}

DNSSwitchOutcome NmcliDNSSwitcher::setServers(const std::string& connectionName,
                                              const std::vector<std::string>& servers) const {
    // pkexec answers a missing program with the same status as a refused password; tell them apart
    // before asking the user for anything.
    if (access(m_nmcliPath.c_str(), X_OK) != 0)
        return {Status::failed, m_nmcliPath + ": " + std::strerror(errno)};

    // "id" makes nmcli read the name as a name even when it looks like a UUID or a D-Bus path.
    const CommandResult modified =
        m_runner.run(m_pkexecPath,
                     {m_nmcliPath, "connection", "modify", "id", connectionName, "ipv4.dns", joined(servers),
                      "ipv4.ignore-auto-dns", servers.empty() ? "no" : "yes"},
                     CaptureMode::StandardOutputAndError);
    if (!modified.launched())
        return failed(modified);
    if (modified.exitStatus == pkexecDismissed || modified.exitStatus == pkexecNotAuthorized)
        return {Status::cancelled, modified.output};
    if (modified.exitStatus != 0)
        return failed(modified);

    const CommandResult activated = m_runner.run(m_nmcliPath, {"connection", "up", "id", connectionName},
                                                 CaptureMode::StandardOutputAndError);
    if (!activated.launched() || activated.exitStatus != 0)
        return failed(activated);
    return {Status::changed, activated.output};
}
