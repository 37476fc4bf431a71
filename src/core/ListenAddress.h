#pragma once

#include <string>
#include <string_view>
#include <variant>

// An address a server listens on: an IP address (or "localhost") and a port.
struct ListenAddress {
    // An IPv4 or IPv6 address as text, without brackets, or "localhost".
    std::string host;
    // 0 lets the system pick a free port.
    int port = 0;

    // "127.0.0.1:9469"; an IPv6 host in brackets, "[::1]:9469".
    std::string text() const;
    // Only this machine can connect: localhost, 127.0.0.0/8 or ::1.
    bool isLoopback() const;

    bool operator==(const ListenAddress&) const = default;
};

// Where a scraper finds the metrics served on `address`: "http://127.0.0.1:9469/metrics".
std::string metricsURL(const ListenAddress& address);
// The line under the settings' address, above its URL: who can read the metrics.
std::string metricsAddressNote(const ListenAddress& address);

struct ListenAddressRules {
    // A bare port means this machine only (127.0.0.1).
    bool hostOptional = false;
    // Port 0, "any free port", is accepted.
    bool anyPort = false;
};

// Reads HOST:PORT, with an IPv6 host in brackets. Answers the address, or a sentence that tells the
// user what to enter instead.
std::variant<ListenAddress, std::string> parseListenAddress(std::string_view text,
                                                            ListenAddressRules rules = {});
// Whether `text` reads as HOST:PORT by the default rules.
bool isListenAddress(std::string_view text);
