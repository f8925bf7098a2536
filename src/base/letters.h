#pragma once
// The 26 letters a-z, without regard to case.

#include <array>
#include <cstddef>
#include <cstdint>

namespace anagrove {

inline constexpr std::size_t kNotALetter = 26;

namespace detail {
inline constexpr std::array<std::uint8_t, 256> kLetterIndex = [] {
    std::array<std::uint8_t, 256> index{};
    index.fill(kNotALetter);
    for (std::uint8_t x = 0; x < 26; ++x) {
        index['a' + x] = x;
        index['A' + x] = x;
    }
    return index;
}();
} // namespace detail

// The place of a letter a-z or A-Z in the alphabet (0 to 25); kNotALetter for
// every other byte, Latin-1 letters included.
[[nodiscard]] constexpr std::size_t LetterIndex(char c) {
    return detail::kLetterIndex[static_cast<unsigned char>(c)];
}

// Whether c is a letter a-z or A-Z.
[[nodiscard]] constexpr bool IsLetter(char c) {
    return LetterIndex(c) != kNotALetter;
}

// c with A-Z made a-z; every other byte as it is.
[[nodiscard]] constexpr char LowerLetter(char c) {
    const std::size_t x = LetterIndex(c);
    return x == kNotALetter ? c : static_cast<char>('a' + x);
}

} // namespace anagrove
