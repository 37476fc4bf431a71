#pragma once

#include "platform/GatewaySource.h"

#include <string_view>
#include <vector>

// Reads the default route from the kernel's IPv4 routing table.
class ProcRouteGatewaySource final : public GatewaySource {
public:
    explicit ProcRouteGatewaySource(std::string path = "/proc/net/route");

    std::optional<std::string> defaultGateway() const override;
    std::optional<std::string> defaultInterface() const override;

private:
    std::string m_path;
};

// One usable (up) IPv4 default route of the table. Routes straight into a tunnel have no gateway.
struct DefaultRoute {
    std::string interfaceName;
    std::optional<std::string> gateway;
    long metric = 0;

    bool operator==(const DefaultRoute&) const = default;
};

// The usable default routes in the text of /proc/net/route, in table order.
std::vector<DefaultRoute> parseProcRouteDefaults(std::string_view table);
// The gateway of the default route through a gateway with the lowest metric (the one the kernel
// uses); among equal metrics the first wins. None without such a route.
std::optional<std::string> parseProcRouteGateway(std::string_view table);
// The interface of the default route with the lowest metric, with or without a gateway; among equal
// metrics the first wins. None without a usable default route.
std::optional<std::string> parseProcRouteDefaultInterface(std::string_view table);
