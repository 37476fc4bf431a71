#pragma once

#include "platform/ResolverSource.h"

#include <string_view>
#include <vector>

// Reads the resolver configuration. When it points at systemd-resolved's local stub, resolved's own
// upstream list holds the servers that really answer, so those are reported.
class ResolvConfResolverSource final : public ResolverSource {
public:
    explicit ResolvConfResolverSource(std::string resolvConfPath = "/etc/resolv.conf",
                                      std::string resolvedUpstreamPath = "/run/systemd/resolve/resolv.conf");

    std::optional<std::string> firstNameserver() const override;
    std::optional<std::vector<std::string>> nameservers() const override;

private:
    // Logs an unreadable configuration with `failurePrefix`.
    std::optional<std::vector<std::string>> read(std::string_view failurePrefix) const;

    std::string m_resolvConfPath;
    std::string m_resolvedUpstreamPath;
};

// The addresses of the "nameserver" lines of a resolv.conf text, in order.
std::vector<std::string> parseResolvConfNameservers(std::string_view text);
