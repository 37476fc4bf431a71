#pragma once

#include "diagnosis/ConnectionIssue.h"
#include "diagnosis/RouterBrand.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// Guesses the router's vendor from the access point's hardware address, else from the network name,
// and supplies vendor-specific advice. Stateless beyond its prefix table.
class RouterBrandService final {
public:
    RouterBrandService();

    // Vendor prefix ("00:14:6C": three upper-case bytes joined by colons) to brand.
    const std::unordered_map<std::string, RouterBrand>& ouiDatabase() const { return m_ouiDatabase; }

    // Looks up the first three bytes of the address; "-" separators and lower case are accepted,
    // but bytes written with one digit are not padded and so never match.
    std::optional<RouterBrand> identifyByBSSID(std::optional<std::string_view> bssid) const;
    // Keyword search in the network name; the first keyword found decides.
    std::optional<RouterBrand> identifyBySSID(std::string_view ssid) const;

    // Vendor-specific advice for the headline issue, when the brand has any for it.
    static std::optional<std::string> brandTip(ConnectionIssue issue, RouterBrand brand);

private:
    std::unordered_map<std::string, RouterBrand> m_ouiDatabase;
};
