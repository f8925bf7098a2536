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
inline constexpr std::array<std::uint32_t, 256> kLetterBit = [] {
    std::array<std::uint32_t, 256> bits{};
    for (std::size_t c = 0; c < bits.size(); ++c)
        bits[c] = kLetterIndex[c] == kNotALetter ? 0 : 1u << kLetterIndex[c];
    return bits;
}();
} // namespace detail

// The place of a letter a-z or A-Z in the alphabet (0 to 25); kNotALetter for
// every other byte, Latin-1 letters included.
[[nodiscard]] constexpr std::size_t LetterIndex(char c) {
    return detail::kLetterIndex[static_cast<unsigned char>(c)];
}

// The bit of a letter a-z or A-Z in a mask of letters (bit 0 for a); 0 for
// every other byte.
[[nodiscard]] constexpr std::uint32_t LetterBit(char c) {
    return detail::kLetterBit[static_cast<unsigned char>(c)];
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
