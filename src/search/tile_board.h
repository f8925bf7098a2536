#pragma once
// Board texts read through an alphabet: the tiles already on the board.

#include "alphabet/alphabet.h"
#include "alphabet/texts.h"
#include "base/expected.h"
#include "search/tile_search.h"

#include <optional>
#include <string_view>

namespace anagrove {

// Why a board text is not board tiles: text that is not the alphabet's
// (its fault), or a blank (no fault given).
using BoardTextFault = std::optional<TextFault>;

// One board text as a rack types it ([ll], aliases, folds); in the pattern a
// dot is a square laid from the rack (kBlankTile). Refuses a blank and
// anything that is not tiles of the alphabet.
[[nodiscard]] Expected<Tiles, BoardTextFault> ReadBoardTiles(const Alphabet& alphabet,
                                                             std::string_view text, bool pattern);

// The tiles of the word that the rack lays (all of them when the board tiles
// do not fit).
[[nodiscard]] Tiles RackPartTiles(std::span<const TileIndex> word, const TileBoard& board);

} // namespace anagrove
