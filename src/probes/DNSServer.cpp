#include "probes/DNSServer.h"

#include "core/Uuid.h"
#include "probes/DNSPreset.h"

#include <algorithm>

const std::map<std::string, std::string>& knownDNSServerNames() {
    static const std::map<std::string, std::string> names = [] {
        std::map<std::string, std::string> table{{"127.0.0.1", "localhost"}};
        for (const DNSPreset preset : allDNSPresets)
            for (const auto& server : servers(preset))
                table.emplace(server, rawValue(preset));
        return table;
    }();
    return names;
}

std::vector<DNSServer> dnsServersFromAddresses(const std::vector<std::string>& addresses) {
    const auto& known = knownDNSServerNames();
    std::vector<DNSServer> result;
    for (const auto& address : addresses) {
        if (std::any_of(result.begin(), result.end(),
                        [&](const DNSServer& s) { return s.address == address; }))
            continue;
        const auto name = known.find(address);
        result.push_back(
            {makeUuid(), address, name == known.end() ? std::nullopt : std::optional(name->second)});
    }
    return result;
}
