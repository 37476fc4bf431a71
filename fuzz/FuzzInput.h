#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

// The fuzzer's bytes as the parsers take them.
inline std::span<const std::uint8_t> bytesOf(const std::uint8_t* data, std::size_t size) {
    return {data, size};
}

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Two texts from one input, split at the first NUL, for functions that take two.
inline std::pair<std::string_view, std::string_view> twoTexts(std::string_view text) {
    const auto split = text.find('\0');
    if (split == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, split), text.substr(split + 1)};
}

// A failed property: abort, so the fuzzer keeps the input as a crash.
#define FUZZ_EXPECT(condition)                                                                               \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            __builtin_trap();                                                                                \
    } while (false)
