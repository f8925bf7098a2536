#pragma once
// The words that stand for the values of an enumeration in the settings file
// and on the command line, and the conversions both ways.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace anagrove {

template <class Enum> struct NamedValue {
    Enum value;
    const char* word;
};

template <class Enum, std::size_t N> using WordTable = std::array<NamedValue<Enum>, N>;

// The word of a value; the table names every value.
template <class Enum, std::size_t N>
[[nodiscard]] constexpr const char* WordOf(const WordTable<Enum, N>& table, Enum value) {
    for (const auto& entry : table)
        if (entry.value == value)
            return entry.word;
    return table.back().word;
}

// The value of a word; nothing for any other word (exact, case-sensitive).
template <class Enum, std::size_t N>
[[nodiscard]] constexpr std::optional<Enum> ValueOf(const WordTable<Enum, N>& table,
                                                    std::string_view word) {
    for (const auto& entry : table)
        if (word == entry.word)
            return entry.value;
    return std::nullopt;
}

} // namespace anagrove
