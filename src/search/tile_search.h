#pragma once
// Matching the words of a tile list against a rack of tiles: the rules of the
// English search, counted in tiles.

#include "alphabet/alphabet.h"
#include "results/found_words.h"
#include "search/find_words.h"
#include "word_list/tile_list.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace anagrove {

// A tile's points by its index; the blank's (index 0) scores nothing.
using TileValues = std::array<std::int32_t, kMostLetterTiles + 1>;
// The standard values of the alphabet's tiles.
[[nodiscard]] TileValues StandardTileValues(const Alphabet& alphabet);

// The tiles of a word that the rack lacks, which its blanks stand for: taking
// each tile of the word in order from the rack while it has one left.
[[nodiscard]] Tiles BlankTilesOf(std::span<const TileIndex> word, const Tiles& rack);

// Tiles already on the board, which the word must hold in place and which take
// no tile of the rack: as BoardLetters, in tiles. In the pattern, kBlankTile is
// a square laid from the rack.
struct TileBoard {
    Tiles starts, ends, contains, pattern;
    [[nodiscard]] bool Any() const {
        return !starts.empty() || !ends.empty() || !contains.empty() || !pattern.empty();
    }
};
// The squares of the word laid from the rack (true) once the board tiles are
// placed, the contained run at its leftmost place; nothing when they do not fit.
[[nodiscard]] std::optional<std::vector<bool>> TileRackSquares(std::span<const TileIndex> word,
                                                               const TileBoard& board);

// Tests every word of the list, in list order, against the rack (kBlankTile a
// blank standing for any tile): its length in tiles within the limits (the
// anagram length is the rack's tiles), and its tiles laid from the rack and
// the blanks. A row's score adds the values of the tiles it takes from the
// rack. The table's words are the playing forms of the matches, a list of
// their own in list order, which a row's index is the place in. At most
// kFoundWordsCapacity rows are kept. With board tiles, only the word's rack
// squares are laid from the rack (with the anagram rule, as many as the rack's
// tiles), the limits apply to the whole word, and the board tiles score too.
struct TileMatches {
    FoundWords found;
    std::vector<std::int32_t> listIndex; // by row index: the word's place in the tile list
};
[[nodiscard]] TileMatches FindTileWords(const Tiles& rack, const SearchLimits& limits,
                                        const TileWordList& list, const TileValues& values,
                                        const TileBoard& board = {});

} // namespace anagrove
