#include "core/ListenAddress.h"

#include "core/RuleText.h"
#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace {

constexpr char kFormHint[] =
    QT_TRANSLATE_NOOP("ListenAddress", "Enter the address as host:port, for example 127.0.0.1:9469.");
constexpr char kPortHint[] =
    QT_TRANSLATE_NOOP("ListenAddress", "Enter a port from 1 to 65535 after the colon.");
constexpr char kAnyPortHint[] =
    QT_TRANSLATE_NOOP("ListenAddress", "Enter a port from 0 to 65535 after the colon (0 picks a free one).");
constexpr char kHostHint[] = QT_TRANSLATE_NOOP(
    "ListenAddress", "Enter an IP address before the colon, such as 127.0.0.1, 0.0.0.0 or [::1].");

bool isIPv4(const std::string& text) {
    std::array<unsigned char, 4> bytes{};
    return inet_pton(AF_INET, text.c_str(), bytes.data()) == 1;
}

bool isIPv6(const std::string& text) {
    std::array<unsigned char, 16> bytes{};
    return inet_pton(AF_INET6, text.c_str(), bytes.data()) == 1;
}

std::string trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

std::string ListenAddress::text() const {
    const std::string shownHost = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return shownHost + ":" + std::to_string(port);
}

bool ListenAddress::isLoopback() const {
    if (host == "localhost" || host == "::1")
        return true;
    std::array<unsigned char, 4> bytes{};
    return inet_pton(AF_INET, host.c_str(), bytes.data()) == 1 && bytes[0] == 127;
}

std::string metricsURL(const ListenAddress& address) {
    return "http://" + address.text() + "/metrics";
}

std::string metricsAddressNote(const ListenAddress& address) {
    if (address.isLoopback())
        return QT_TRANSLATE_NOOP("ListenAddress", "Prometheus on this computer can scrape the figures at:");
    return QT_TRANSLATE_NOOP("ListenAddress",
                             "Other computers on the network can read the figures, too, at:");
}

std::variant<ListenAddress, std::string> parseListenAddress(std::string_view input,
                                                            ListenAddressRules rules) {
    const std::string text = trimmed(input);
    if (text.empty())
        return std::string(kFormHint);

    std::string host;
    std::string port;
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos || close + 1 >= text.size() || text[close + 1] != ':')
            return std::string(kFormHint);
        host = text.substr(1, close - 1);
        if (!isIPv6(host))
            return std::string(kHostHint);
        port = text.substr(close + 2);
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string::npos) {
            if (!rules.hostOptional)
                return std::string(kFormHint);
            host = "127.0.0.1";
            port = text;
        } else {
            host = text.substr(0, colon);
            port = text.substr(colon + 1);
            // An IPv6 address needs its brackets, or its last group would pass for the port.
            if (host.find(':') != std::string::npos || (host != "localhost" && !isIPv4(host)))
                return std::string(kHostHint);
        }
    }

    const char* portHint = rules.anyPort ? kAnyPortHint : kPortHint;
    int number = -1;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() || number > 65535 ||
        number < (rules.anyPort ? 0 : 1))
        return std::string(portHint);
    return ListenAddress{host, number};
}

bool isListenAddress(std::string_view text) {
    return std::holds_alternative<ListenAddress>(parseListenAddress(text));
}
