#include "system/macos/HdiutilAttach.h"

namespace macos {

MountPoint parseHdiutilMountPoint(std::string_view output) {
    std::string_view last;
    while (!output.empty()) {
        const auto newline = output.find('\n');
        const std::string_view line = output.substr(0, newline);
        if (!line.empty())
            last = line;
        output = newline == std::string_view::npos ? std::string_view{} : output.substr(newline + 1);
    }
    if (last.empty())
        return {std::nullopt, "Could not parse mount output"};
    const auto volumes = last.find("/Volumes/");
    if (volumes == std::string_view::npos)
        return {std::nullopt, "Could not find mount point"};
    std::string_view path = last.substr(volumes);
    // Line breaks other than "\n" stay: only blanks and tabs are trimmed.
    const auto end = path.find_last_not_of(" \t\v\f");
    return {std::string(path.substr(0, end + 1)), {}};
}

} // namespace macos
