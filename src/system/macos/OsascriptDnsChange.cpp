#include "system/macos/OsascriptDnsChange.h"

#include "system/macos/NetworkSetupServiceName.h"

namespace macos {

std::string escapeForAppleScript(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == '"')
            escaped.push_back('\\');
        escaped.push_back(c);
    }
    return escaped;
}

std::string dnsChangeScript(std::string_view serviceName, const std::vector<std::string>& servers,
                            std::string_view presetName) {
    std::string serverArgument;
    for (const auto& server : servers)
        serverArgument += (serverArgument.empty() ? "" : " ") + server;
    if (servers.empty())
        serverArgument = "Empty";
    const std::string command = std::string(networksetupPath) + " -setdnsservers \"" +
                                std::string(serviceName) + "\" " + serverArgument;
    return "do shell script \"" + escapeForAppleScript(command) +
           "\" with administrator privileges with prompt \"Linkmeter wants to change DNS to " +
           std::string(presetName) + "\"";
}

bool isCancelledOutput(std::string_view output) {
    return output.find("User cancelled") != std::string_view::npos ||
           output.find("canceled") != std::string_view::npos;
}

} // namespace macos
