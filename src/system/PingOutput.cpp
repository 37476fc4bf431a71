#include "system/PingOutput.h"

#include <charconv>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Matches "time=" digits [ "." digits ] spaces "ms" at `at`, answering the number's text. A greedy
// scan is exact here: giving back a digit or the dot can never be followed by a space or "ms".
std::optional<std::string_view> timeAt(std::string_view text, size_t at) {
    constexpr std::string_view prefix = "time=";
    if (text.substr(at, prefix.size()) != prefix)
        return std::nullopt;
    const size_t start = at + prefix.size();
    size_t i = start;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == start)
        return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    const size_t end = i;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    if (text.substr(i, 2) != "ms")
        return std::nullopt;
    return text.substr(start, end - start);
}

} // namespace

std::optional<double> parsePingTime(std::string_view output) {
    for (size_t at = output.find("time="); at != std::string_view::npos; at = output.find("time=", at + 1)) {
        const auto number = timeAt(output, at);
        if (!number)
            continue;
        // Only the first match counts, even if its number does not parse.
        double value = 0.0;
        const auto [end, error] = std::from_chars(number->data(), number->data() + number->size(), value);
        if (error != std::errc() || end != number->data() + number->size())
            return std::nullopt;
        return value;
    }
    return std::nullopt;
}
