#include "system/linux/DpkgPackageInspector.h"

#include "platform/CommandRunner.h"

#include <stdexcept>

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Skips `count` whitespace-separated fields and the blanks after them.
std::string_view afterFields(std::string_view line, int count) {
    for (int i = 0; i < count; ++i) {
        const auto start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return {};
        const auto end = line.find(' ', start);
        if (end == std::string_view::npos)
            return {};
        line.remove_prefix(end);
    }
    const auto start = line.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
}

CommandResult run(const CommandRunner& runner, const char* option, const std::string& path) {
    CommandResult result = runner.run(std::string(DpkgPackageInspector::dpkgDebPath), {option, path},
                                      CaptureMode::StandardOutputAndError);
    if (!result.launched())
        throw std::runtime_error(*result.launchError);
    return result;
}

} // namespace

DpkgPackageInspector::DpkgPackageInspector(const CommandRunner& runner) : m_runner(runner) {}

std::optional<std::string> DpkgPackageInspector::problemWith(const std::string& path) const {
    const CommandResult result = run(m_runner, "--info", path);
    if (result.exitStatus == 0)
        return std::nullopt;
    const std::string_view complaint = trimmed(result.output);
    if (complaint.empty())
        return "dpkg-deb ended with status " + std::to_string(result.exitStatus);
    return std::string(complaint);
}

bool DpkgPackageInspector::containsProgram(const std::string& path) const {
    const CommandResult result = run(m_runner, "--contents", path);
    return result.exitStatus == 0 && listsEntry(result.output, programEntry);
}

bool DpkgPackageInspector::listsEntry(std::string_view listing, std::string_view entry) {
    while (!listing.empty()) {
        const auto newline = listing.find('\n');
        const std::string_view line = listing.substr(0, newline);
        listing = newline == std::string_view::npos ? std::string_view{} : listing.substr(newline + 1);
        if (line.empty() || (line.front() != '-' && line.front() != 'l'))
            continue;
        std::string_view name = afterFields(line, 5);
        if (line.front() == 'l')
            name = name.substr(0, name.find(" -> "));
        if (name == entry)
            return true;
    }
    return false;
}
