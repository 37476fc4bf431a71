#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How macOS mounts a release's disk image, and where the mounted volume is read from hdiutil's answer.
namespace macos {

inline constexpr std::string_view hdiutilPath = "/usr/bin/hdiutil";

inline std::vector<std::string> hdiutilAttachArguments(const std::string& image) {
    return {"attach", image, "-nobrowse", "-readonly"};
}

// Either the mount point or why none was found.
struct MountPoint {
    std::optional<std::string> path;
    std::string failure;
};

// The last non-empty line, from its first "/Volumes/" on, without the blanks and tabs around it.
MountPoint parseHdiutilMountPoint(std::string_view output);

} // namespace macos
