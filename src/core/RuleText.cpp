#include "core/RuleText.h"

std::string fillIn(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < arguments.size()) {
            text += arguments[std::size_t(next - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
