#pragma once
// Matching every word of a list from its text, for a list whose index has not
// been built: what a single search costs least.

#include "search/find_words.h"
#include "word_list/letter_profile.h"
#include "word_list/word_list.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace anagrove {

// A word that passed, with its letter profile.
struct ScannedWord {
    std::int32_t index = 0;
    LetterProfile profile;
};

// The words of the list that can be laid with letters within the limits, in
// list order: the same words that FindWords accepts.
[[nodiscard]] std::vector<ScannedWord> ScanWords(std::string_view letters,
                                                 const SearchLimits& limits, const WordList& list);

} // namespace anagrove
