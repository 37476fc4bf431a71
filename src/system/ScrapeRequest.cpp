#include "system/ScrapeRequest.h"

namespace {

bool isTokenChar(char c) {
    // The characters HTTP allows in a method name.
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool isTargetChar(char c) {
    return c > ' ' && c < 0x7F;
}

// Judges a complete request line, without its line end.
ScrapeVerdict judgeRequestLine(std::string_view line) {
    const auto firstSpace = line.find(' ');
    if (firstSpace == std::string_view::npos || firstSpace == 0)
        return ScrapeVerdict::badRequest;
    const std::string_view method = line.substr(0, firstSpace);
    const std::string_view rest = line.substr(firstSpace + 1);
    const auto secondSpace = rest.find(' ');
    if (secondSpace == std::string_view::npos)
        return ScrapeVerdict::badRequest;
    const std::string_view target = rest.substr(0, secondSpace);
    const std::string_view version = rest.substr(secondSpace + 1);
    for (const char c : method)
        if (!isTokenChar(c))
            return ScrapeVerdict::badRequest;
    if (target.empty() || target.front() != '/')
        return ScrapeVerdict::badRequest;
    for (const char c : target)
        if (!isTargetChar(c))
            return ScrapeVerdict::badRequest;
    if (version != "HTTP/1.1" && version != "HTTP/1.0")
        return ScrapeVerdict::badRequest;
    if (method != "GET")
        return ScrapeVerdict::methodNotAllowed;
    const std::string_view path = target.substr(0, target.find('?'));
    return path == "/metrics" ? ScrapeVerdict::metrics : ScrapeVerdict::notFound;
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

ScrapeVerdict judgeScrapeRequest(std::string_view received, std::size_t limit) {
    const std::string_view seen = received.substr(0, limit);
    // Only a method can come first; anything else is not HTTP, however much more arrives.
    for (const char c : seen.substr(0, seen.find(' ')))
        if (!isTokenChar(c))
            return ScrapeVerdict::badRequest;

    const auto lineEnd = seen.find('\n');
    if (lineEnd == std::string_view::npos)
        return received.size() >= limit ? ScrapeVerdict::tooLarge : ScrapeVerdict::incomplete;
    const ScrapeVerdict line = judgeRequestLine(withoutCarriageReturn(seen.substr(0, lineEnd)));
    if (line == ScrapeVerdict::badRequest)
        return line;

    // The head ends with an empty line; lines may end in CRLF or, leniently, LF alone.
    std::size_t start = lineEnd + 1;
    for (;;) {
        const auto end = seen.find('\n', start);
        if (end == std::string_view::npos)
            return received.size() >= limit ? ScrapeVerdict::tooLarge : ScrapeVerdict::incomplete;
        if (withoutCarriageReturn(seen.substr(start, end - start)).empty())
            return line;
        start = end + 1;
    }
}
