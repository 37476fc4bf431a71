#include "platform/PingOutput.h"

#include <charconv>
#include <regex>
#include <string>

std::optional<double> parsePingTime(std::string_view output) {
    static const std::regex pattern(R"(time=(\d+\.?\d*)\s*ms)");
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(output.begin(), output.end(), match, pattern))
        return std::nullopt;

    const auto text = match[1].str();
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}
