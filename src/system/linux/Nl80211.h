#pragma once

#include "system/linux/Nl80211Messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct nl_sock;

// A generic-netlink socket bound to the kernel's nl80211 family. Only queries that need no
// privilege. Calls block briefly (the kernel answers from memory; a receive timeout bounds them).
class Nl80211 final {
public:
    // Absent when the socket cannot be opened or the kernel has no nl80211 (no wireless support);
    // the reason goes to `error` when given.
    static std::unique_ptr<Nl80211> open(std::string* error = nullptr);
    // The same socket machinery bound to another generic-netlink family (the controller "nlctrl"
    // is always there, which lets the request loop be checked on machines without Wi-Fi).
    static std::unique_ptr<Nl80211> openFamily(const std::string& family, std::string* error = nullptr);
    ~Nl80211();
    Nl80211(const Nl80211&) = delete;
    Nl80211& operator=(const Nl80211&) = delete;

    // Each query answers absent when the request fails; lastError() then says why.
    std::optional<std::vector<nl80211::InterfaceInfo>> interfaces();
    // The kernel's cached scan results of one interface (no new scan is started).
    std::optional<std::vector<nl80211::ScanResult>> scanResults(std::uint32_t interfaceIndex);
    std::optional<nl80211::StationInfo> station(std::uint32_t interfaceIndex,
                                                const nl80211::MacAddress& address);
    std::optional<std::vector<nl80211::StationInfo>> stations(std::uint32_t interfaceIndex);
    std::optional<std::vector<nl80211::SurveyEntry>> survey(std::uint32_t interfaceIndex);

    // Sends one command (a dump when `dump`) and hands each reply's attribute bytes to `onMessage`.
    bool request(std::uint8_t command, bool dump, std::optional<std::uint32_t> interfaceIndex,
                 const std::function<void(std::span<const std::uint8_t>)>& onMessage);

    int familyId() const { return m_family; }
    const std::string& lastError() const { return m_lastError; }

private:
    Nl80211(nl_sock* socket, int family);

    struct Request;
    bool run(const Request& request);

    nl_sock* m_socket;
    int m_family;
    std::string m_lastError;
};
