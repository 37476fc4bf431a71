#include "system/macos/NetstatGateway.h"

namespace macos {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator, bool keepEmpty) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        const auto piece =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (keepEmpty || !piece.empty())
            pieces.push_back(piece);
        if (end == std::string_view::npos)
            return pieces;
        start = end + 1;
    }
}

} // namespace

std::optional<std::string> parseNetstatDefaultGateway(std::string_view listing) {
    for (const auto line : split(listing, '\n', true)) {
        // Indented lines do not count: the listing starts route lines in the first column.
        if (!line.starts_with("default"))
            continue;
        // Only spaces separate the columns here; a tab stays part of its field.
        const auto fields = split(line, ' ', false);
        if (fields.size() >= 2)
            return std::string(fields[1]);
    }
    return std::nullopt;
}

std::optional<std::string> parseNetstatDefaultInterface(std::string_view listing) {
    for (const auto line : split(listing, '\n', true)) {
        if (line.starts_with("default"))
            return std::string(split(line, ' ', false).back());
    }
    return std::nullopt;
}

} // namespace macos
