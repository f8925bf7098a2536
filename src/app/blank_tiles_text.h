#pragma once
// The note on a found word that tells which letters the blank tiles stand for
// in it, and what it scores with those letters counted as zero.

#include "app/search_request.h"
#include "points/letter_points.h"
#include "results/found_words.h"
#include "search/blank_letters.h"

#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// The letters the blanks stand for in a row's word, and its score with them at zero.
[[nodiscard]] BlankUse RowBlankUse(const FoundRow& row, const SearchRack& rack);

// "Blank tiles: e, s · 7 points with blanks at zero" (Latin-1); without the
// score part when showScore is false. A rack without blanks, or a word that
// needs none of them, gets a sentence that says so.
[[nodiscard]] std::string BlankTilesText(const FoundRow& row, const SearchRack& rack,
                                         bool showScore);

// The same note from its parts: whether the rack held blanks, the tiles the
// blanks stand for (their texts), the score with them at zero, and the middle
// dot in the note's encoding.
[[nodiscard]] std::string BlankNoteText(bool rackHasBlanks, const std::vector<std::string>& tiles,
                                        std::int64_t scoreBlanksZero, bool showScore,
                                        std::string_view middleDot);

} // namespace anagrove
