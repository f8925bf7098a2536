#pragma once
// Matching every word of the list against the typed letters.

#include "base/letters.h"
#include "points/letter_points.h"
#include "results/found_words.h"
#include "word_list/word_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace anagrove {

// The limits of one search, already converted from their boxes.
struct SearchLimits {
    double minimum = 0;
    double maximum = 0;
    bool noMaximum = false; // "(no maximum limit)"
    bool anagram = false;   // "Find only exact anagrams": replaces both limits
};

// How often each letter a-z occurs in the typed text, without regard to case.
using LetterCounts = std::array<std::int32_t, 26>;
[[nodiscard]] inline LetterCounts CountTypedLetters(std::string_view letters) {
    LetterCounts counts{};
    for (char c : letters)
        if (const std::size_t x = LetterIndex(c); x != kNotALetter)
            ++counts[x];
    return counts;
}
// The blanks ("*") of the typed text.
[[nodiscard]] inline std::int32_t CountBlanks(std::string_view letters) {
    return static_cast<std::int32_t>(std::ranges::count(letters, '*'));
}

// Tests every word of the list, in list order, and records each accepted word
// with its score. letters is the typed text as it stands (its length is the
// anagram length). At most kFoundWordsCapacity rows are kept.
[[nodiscard]] FoundWords FindWords(std::string_view letters, const SearchLimits& limits,
                                   const std::shared_ptr<const WordList>& list,
                                   const LetterPoints& points);

// The words of the list that pass the limits and the letter test, as a bit set:
// word i is bit i % 64 of block i / 64.
[[nodiscard]] std::vector<std::uint64_t>
MatchingWords(std::string_view letters, const SearchLimits& limits, const WordList& list);
// Records the words of a bit set of the list, in list order, each with its score.
[[nodiscard]] FoundWords RecordMatches(const std::vector<std::uint64_t>& matches,
                                       const std::shared_ptr<const WordList>& list,
                                       const LetterPoints& points);

} // namespace anagrove
