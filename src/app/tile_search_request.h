#pragma once
// "Find Words" in a language's tiles: the rack read through the alphabet, the
// words of a tile list matched and scored, and what its rows show beside the
// word (the blanks' tiles, the spelling to look up).

#include "alphabet/alphabet.h"
#include "app/search_request.h"
#include "base/expected.h"
#include "search/blank_letters.h"
#include "search/tile_search.h"
#include "word_list/tile_list.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace anagrove {

// What a search in tiles ran with and found, for the rows it listed.
struct TileRack {
    std::shared_ptr<const TileWordList> list;
    Tiles rack;
    std::vector<std::int32_t> listIndex; // by row index: the word's place in the list
};

struct TileSearchOutcome {
    SearchOutcome outcome; // the rows' words are UTF-8; the status counts the list's words
    TileRack rack;
};

// Reads request.letters (UTF-8) through the list's alphabet and searches the
// list as RunSearch does; or the message that refuses the rack.
[[nodiscard]] Expected<TileSearchOutcome> RunTileSearch(const SearchRequest& request,
                                                        const SearchLimits& limits,
                                                        std::shared_ptr<const TileWordList> list,
                                                        const TileValues& values);

// The tiles of a row's word.
[[nodiscard]] std::span<const TileIndex> RowTiles(const FoundRow& row, const TileRack& rack);

// "Blank tiles: ch, e · 7 points with blanks at zero" (UTF-8), as
// BlankTilesText says it for English letters; the row's score is that score.
[[nodiscard]] std::string TileBlanksText(const FoundRow& row, const TileRack& rack, bool showScore);

// The tiles the blanks stand for in a row, apart by blanks ("ch e"), and its
// score, which has them at zero already.
[[nodiscard]] BlankUse TileBlankUse(const FoundRow& row, const TileRack& rack);

// The word to look a row up by: its first spelling ("mère"), else its playing form.
[[nodiscard]] std::string RowSpelling(const FoundRow& row, const TileRack& rack);

// Values typed per tile of an alphabet (index 1 on; entry 0, the blank's, is
// not read), or the refusal of the first that is not a whole number from 0 to
// 999, naming its tile.
struct TileValueError {
    std::size_t tile = 0;
    std::string message;
};
[[nodiscard]] Expected<TileValues, TileValueError>
ReadTileValueTexts(const Alphabet& alphabet, const std::vector<std::string>& texts);

} // namespace anagrove
