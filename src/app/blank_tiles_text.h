#pragma once
// The note on a found word that tells which letters the blank tiles stand for
// in it, and what it scores with those letters counted as zero.

#include "app/search_request.h"
#include "points/letter_points.h"
#include "results/found_words.h"
#include "search/blank_letters.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace anagrove {

// The letters the blanks stand for in a row's word, and its score with them at zero.
[[nodiscard]] BlankUse RowBlankUse(const FoundRow& row, const SearchRack& rack);

// "Blank tiles: e, s · 7 points with blanks at zero" (Latin-1); without the
// score part when showScore is false. A rack without blanks, or a word that
// needs none of them, gets a sentence that says so.
[[nodiscard]] std::string BlankTilesText(const FoundRow& row, const SearchRack& rack,
                                         bool showScore);

// The parts of that sentence, in letters or in a language's tiles.
struct BlanksUsed {
    bool rackHasBlanks = false;
    std::string list;                            // the blanks' letters or tiles, apart by ", "
    std::size_t count = 0;                       // how many blanks the word uses
    std::optional<std::int64_t> scoreBlanksZero; // when the score is shown
};
// The sentence, with middleDot in the text's encoding.
[[nodiscard]] std::string BlanksSentence(const BlanksUsed& used, std::string_view middleDot);

} // namespace anagrove
