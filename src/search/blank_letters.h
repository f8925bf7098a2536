#pragma once
// Which letters the blanks of a rack stand for in a found word, and the word's
// score with those letters counted as zero.

#include "points/letter_points.h"
#include "search/find_words.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace anagrove {

struct BlankUse {
    std::string letters;              // lower case, alphabetical, possibly empty
    std::int64_t scoreBlanksZero = 0; // the word's score without the blanks' letters
};

// The letters that blanks must supply to lay rackPart from a rack holding the
// typed letters: the rack's own tiles go first, and each further copy of a
// letter takes a blank. Letters of either case count alike; characters other
// than a-z and A-Z need no tile.
[[nodiscard]] std::string BlankLetters(std::string_view rackPart, const LetterCounts& typed);

// The blanks' letters for the part of the word laid from the rack, and the
// whole word's score with those letters at zero. Letters of the word that are
// already on the board are left out of rackPart and keep their value.
[[nodiscard]] BlankUse BlankUseOf(std::string_view word, std::string_view rackPart,
                                  const LetterCounts& typed, const LetterPoints& points);

} // namespace anagrove
