#pragma once
// What searches know of the words of a list without reading them: each word's
// letter profile, and sets of words by letter and by length.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace anagrove {

// Sets of words are bit sets: word i is bit i % 64 of block i / 64.
struct WordIndex {
    std::size_t blocks = 0;                 // blocks of one set
    std::vector<std::uint32_t> signatures;  // LetterProfile::signature of each word
    std::vector<std::uint64_t> repeats;     // LetterProfile::Repeats() of each word
    std::vector<std::uint64_t> letterWords; // 26 sets: the words that use letter x
    std::vector<std::uint64_t> lengthWords; // kLongWord + 1 sets: the words of each length
};

// The index of the words of text at the line ends that CutIntoLines gave.
[[nodiscard]] WordIndex BuildWordIndex(std::string_view text,
                                       const std::vector<std::uint32_t>& lineEnds);

} // namespace anagrove
