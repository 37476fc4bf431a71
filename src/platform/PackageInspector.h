#pragma once

#include <optional>
#include <string>

// Looks into a downloaded release package before the user is pointed at it. Both calls block while
// the system's packaging tool runs, and throw std::runtime_error with the platform's description when
// that tool cannot be started at all.
class PackageInspector {
public:
    virtual ~PackageInspector() = default;

    // Nothing when `path` is a package the system can read; otherwise the tool's complaint.
    virtual std::optional<std::string> problemWith(const std::string& path) const = 0;
    // Whether the package installs the program.
    virtual bool containsProgram(const std::string& path) const = 0;
};
