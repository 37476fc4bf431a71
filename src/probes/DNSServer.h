#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// One DNS server address the system resolver uses.
struct DNSServer {
    std::string id; // new for every refresh
    std::string address;
    std::optional<std::string> name; // the provider, for well-known public servers

    bool operator==(const DNSServer&) const = default;
};

// Provider names of the well-known server addresses: every preset's servers, and "127.0.0.1" as
// "localhost". Looked up by exact text.
const std::map<std::string, std::string>& knownDNSServerNames();

// One server per address, in the order of first appearance, named where the address is known.
std::vector<DNSServer> dnsServersFromAddresses(const std::vector<std::string>& addresses);
