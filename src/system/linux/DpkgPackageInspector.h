#pragma once

#include "platform/PackageInspector.h"

#include <string_view>

class CommandRunner;

// Reads Debian packages with dpkg-deb: `--info` must accept the file, and `--contents` must list the
// program at its installed place.
class DpkgPackageInspector final : public PackageInspector {
public:
    static constexpr std::string_view dpkgDebPath = "/usr/bin/dpkg-deb";
    // How the program's path appears in a package's listing.
    static constexpr std::string_view programEntry = "./usr/bin/linkmeter";

    explicit DpkgPackageInspector(const CommandRunner& runner);

    std::optional<std::string> problemWith(const std::string& path) const override;
    bool containsProgram(const std::string& path) const override;

    // Whether a `dpkg-deb --contents` listing (tar's long format: mode, owner, size, date, time, name,
    // and " -> target" for links) has an entry named exactly `entry` that is a file or a link.
    static bool listsEntry(std::string_view listing, std::string_view entry);

private:
    const CommandRunner& m_runner;
};
