#pragma once
// A plain model of a search in any alphabet, for the differential tests: the
// words of a list whose tiles fit a rack with blanks, found by counting tiles
// one word at a time. It shares no code with the program: it reads the tile
// lines of an alphabet file and splits a playing form by the longest tile text
// itself.

#include <string>
#include <string_view>
#include <vector>

namespace literal {

// A letter tile: its text in lower case ("ch") and its value.
struct PlainTile {
    std::string text;
    int value = 0;
};
// The letter tiles of an alphabet file, from its "tile" lines, in order.
std::vector<PlainTile> ReadPlainTiles(std::string_view alphabetFile);

// The tile texts of a playing form, longest tile text first at each place;
// empty when a place matches no tile.
std::vector<std::string> PlainTileSplit(const std::vector<PlainTile>& tiles, std::string_view word);

struct TileLimits {
    std::size_t minimum = 2, maximum = 63; // in tiles
    bool anagram = false;                  // every tile of the rack used
};
struct TileRow {
    std::string word;                // the playing form
    std::vector<std::string> blanks; // tiles played by blanks, in word order
    int score = 0;                   // the values of the tiles from the rack
    bool operator==(const TileRow&) const = default;
};

// The words of a list (an "#alphabet" line, then a playing form a line, its
// spellings after a tab) that the rack's tiles spell, "*" in the rack a blank
// standing for any tile, in list order. A word's tiles come from the rack
// first, in word order; those the rack lacks are the blanks', scoring nothing.
std::vector<TileRow> FindTileWords(const std::vector<PlainTile>& tiles,
                                   const std::vector<std::string>& rack, const TileLimits& limits,
                                   std::string_view listText);

} // namespace literal
