#pragma once

#include "platform/GatewaySource.h"

#include <string_view>

// Reads the default gateway from the kernel's IPv4 routing table.
class ProcRouteGatewaySource final : public GatewaySource {
public:
    explicit ProcRouteGatewaySource(std::string path = "/proc/net/route");

    std::optional<std::string> defaultGateway() const override;

private:
    std::string m_path;
};

// The gateway of the default route with the lowest metric (the one the kernel uses) in the text of
// /proc/net/route; among equal metrics the first wins. None without a usable default route.
std::optional<std::string> parseProcRouteGateway(std::string_view table);
