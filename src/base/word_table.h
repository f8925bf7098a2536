#pragma once
// The words that stand for the values of an enumeration in the settings file
// and on the command line, and the conversions both ways.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace anagrove {

template <class Enum> struct NamedValue {
    Enum value;
    const char* word;
};

template <class Enum, std::size_t N> using WordTable = std::array<NamedValue<Enum>, N>;

// Specialised once beside each enumeration that has words, in namespace
// anagrove: `static constexpr WordTable<Enum, N> table{...};` naming every value.
template <class Enum> struct EnumWords;

// Every value of an enumeration with its word, in the table's order.
template <class Enum> [[nodiscard]] constexpr std::span<const NamedValue<Enum>> NamedValues() {
    return EnumWords<Enum>::table;
}

// The word of a value.
template <class Enum> [[nodiscard]] constexpr const char* WordOf(Enum value) {
    for (const auto& entry : EnumWords<Enum>::table)
        if (entry.value == value)
            return entry.word;
    return EnumWords<Enum>::table.back().word;
}

// The value of a word; nothing for any other word (exact, case-sensitive).
template <class Enum> [[nodiscard]] constexpr std::optional<Enum> ValueOf(std::string_view word) {
    for (const auto& entry : EnumWords<Enum>::table)
        if (word == entry.word)
            return entry.value;
    return std::nullopt;
}

} // namespace anagrove
