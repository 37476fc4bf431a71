#pragma once

#include "core/RuleText.h"

#include <string>
#include <utility>

// Why a scan produced no results.
struct ScanError {
    enum class Kind { scanFailed, noInterface };

    Kind kind = Kind::scanFailed;
    // What the platform said; only for scanFailed.
    std::string message;

    static ScanError scanFailed(std::string message) { return {Kind::scanFailed, std::move(message)}; }
    static ScanError noInterface() { return {Kind::noInterface, {}}; }

    // The text shown to the user.
    std::string description() const {
        if (kind == Kind::noInterface)
            return QT_TRANSLATE_NOOP("ScanError", "No WiFi interface available");
        return "Scan failed: " + message;
    }

    bool operator==(const ScanError&) const = default;
};
