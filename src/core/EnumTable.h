#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Fixed tables that pair each case of an enum with its texts. A row is any struct holding the case
// in a member `value`; tables that give every case a raw (stored or displayed) text keep it in a
// member `raw`.

template <typename Enum> struct EnumText {
    Enum value;
    std::string_view raw;
};

// The row of `value`, or `fallback` for a value the table lacks.
template <typename Row, std::size_t N>
constexpr const Row& rowOf(const std::array<Row, N>& table, decltype(Row::value) value, const Row& fallback) {
    for (const Row& row : table)
        if (row.value == value)
            return row;
    return fallback;
}

// The raw text of `value`, or `fallback` for a value the table lacks.
template <typename Row, std::size_t N>
constexpr std::string_view rawOf(const std::array<Row, N>& table, decltype(Row::value) value,
                                 std::string_view fallback) {
    for (const Row& row : table)
        if (row.value == value)
            return row.raw;
    return fallback;
}

// The case whose raw text is exactly `raw` (case and spacing included); nothing for any other text.
template <typename Row, std::size_t N>
constexpr std::optional<decltype(Row::value)> caseFromRaw(const std::array<Row, N>& table,
                                                          std::string_view raw) {
    for (const Row& row : table)
        if (row.raw == raw)
            return row.value;
    return std::nullopt;
}
