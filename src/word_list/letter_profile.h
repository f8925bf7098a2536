#pragma once
// What a search needs to know of a word's letters, and building it for the
// words of a list.

#include "base/letters.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace anagrove {

// What a search needs to know of a word's letters, without reading the word.
// Letter x (a-z, either case) is bit x of each mask. The index keeps
// twice and thrice together as one 64-bit repeat mask (Repeats).
struct LetterProfile {
    std::uint32_t signature = 0; // bits 0-25: letters used; bits 26-31: length (kLongWord or more)
    std::uint32_t twice = 0;     // letters used twice or more; kFourTimes: some letter 4+ times
    std::uint32_t thrice = 0;    // letters used three times or more

    // The repeat mask: twice in the low 32 bits, thrice in the high 32 bits.
    [[nodiscard]] std::uint64_t Repeats() const { return twice | std::uint64_t{thrice} << 32; }
};
inline constexpr std::uint32_t kLetterBits = (1u << 26) - 1;
inline constexpr std::uint32_t kLongWord = 63;
inline constexpr std::uint32_t kFourTimes = 1u << 31;
[[nodiscard]] inline std::uint32_t SignatureLength(std::uint32_t signature) {
    return signature >> 26;
}

// The profile of a word, gathered byte by byte: a letter seen again moves up
// one level. None for a word that uses a letter of the mask excluded: it is
// left at the first such letter, which is where a search rules out most words.
[[nodiscard]] inline std::optional<LetterProfile> ProfileExcluding(std::string_view word,
                                                                   std::uint32_t excluded) {
    std::uint32_t once = 0, twice = 0, thrice = 0, more = 0;
    for (char c : word) {
        const std::uint32_t bit = LetterBit(c);
        if (bit & excluded)
            return std::nullopt;
        more |= thrice & bit;
        thrice |= twice & bit;
        twice |= once & bit;
        once |= bit;
    }
    const auto length = static_cast<std::uint32_t>(std::min<std::size_t>(word.size(), kLongWord));
    return LetterProfile{once | length << 26, twice | (more != 0 ? kFourTimes : 0), thrice};
}

[[nodiscard]] inline LetterProfile ProfileOf(std::string_view word) {
    return *ProfileExcluding(word, 0);
}

// The profile of each word of text at the line ends that CutIntoLines gave:
// its signature and its repeat mask (LetterProfile::Repeats).
void ProfileWords(std::string_view text, const std::vector<std::uint32_t>& lineEnds,
                  std::uint32_t* signatures, std::uint64_t* repeats);

// Marks, for each letter x, the words whose signature uses it: bit i % 64 of
// letterWords[x * blocks + i / 64]. letterWords holds 26 * blocks zeros.
void MarkLetterSets(const std::vector<std::uint32_t>& signatures, std::size_t blocks,
                    std::uint64_t* letterWords);

} // namespace anagrove
