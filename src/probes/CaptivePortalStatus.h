#pragma once

#include <string>

// What the last captive-portal check found. Only `noInternet` carries a reason.
class CaptivePortalStatus {
public:
    enum class Kind { noInternet, unknown, connected, captivePortal };

    CaptivePortalStatus() = default;
    static CaptivePortalStatus noInternet(std::string reason) {
        return {Kind::noInternet, std::move(reason)};
    }
    static CaptivePortalStatus unknown() { return {}; }
    static CaptivePortalStatus connected() { return {Kind::connected, {}}; }
    static CaptivePortalStatus captivePortal() { return {Kind::captivePortal, {}}; }

    Kind kind() const { return m_kind; }
    // The reason of a failed check; empty for every other kind.
    const std::string& reason() const { return m_reason; }

    bool isNoInternet() const { return m_kind == Kind::noInternet; }
    bool isCaptivePortal() const { return m_kind == Kind::captivePortal; }

    bool operator==(const CaptivePortalStatus&) const = default;

private:
    CaptivePortalStatus(Kind kind, std::string reason) : m_kind(kind), m_reason(std::move(reason)) {}

    Kind m_kind = Kind::unknown;
    std::string m_reason;
};
