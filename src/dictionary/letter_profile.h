#pragma once
// Building the letter profiles of words and the per-letter word sets of a list.

#include "dictionary/word_list.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace anagrove {

// The bit of each byte's letter a-z or A-Z (bit 0 for a); 0 for other bytes.
inline constexpr std::array<std::uint32_t, 256> kLetterBit = [] {
    std::array<std::uint32_t, 256> bits{};
    for (std::uint8_t x = 0; x < 26; ++x) {
        bits['a' + x] = 1u << x;
        bits['A' + x] = 1u << x;
    }
    return bits;
}();

// The profile of the word [begin, end): the letters it uses once or more,
// twice or more and so on, gathered byte by byte: a letter seen again moves up
// one level.
[[nodiscard]] inline LetterProfile ProfileOf(const char* begin, const char* end) {
    std::uint32_t once = 0, twice = 0, thrice = 0, more = 0;
    for (const char* c = begin; c != end; ++c) {
        const std::uint32_t bit = kLetterBit[static_cast<unsigned char>(*c)];
        more |= thrice & bit;
        thrice |= twice & bit;
        twice |= once & bit;
        once |= bit;
    }
    const auto length =
        static_cast<std::uint32_t>(std::min<std::ptrdiff_t>(end - begin, kLongWord));
    return LetterProfile{once | length << 26, twice | (more != 0 ? kFourTimes : 0), thrice};
}

// The profile of each word of text at the line ends that CutIntoLines gave:
// its signature, and its repeat masks (twice in the low half, thrice in the
// high half).
void ProfileWords(std::string_view text, const std::vector<std::uint32_t>& lineEnds,
                  std::uint32_t* signatures, std::uint64_t* repeats);

// Marks, for each letter x, the words whose signature uses it: bit i % 64 of
// letterWords[x * blocks + i / 64]. letterWords holds 26 * blocks zeros.
void MarkLetterSets(const std::vector<std::uint32_t>& signatures, std::size_t blocks,
                    std::uint64_t* letterWords);

} // namespace anagrove
