#pragma once
// An alphabet: a language's tiles, what a user may type for each, its case
// pairs and folds, and its standard tile values and counts.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace anagrove {

// A tile's place in its alphabet: 0 the blank, 1 to 63 the letters, so that a
// set of letters is one 64-bit mask.
using TileIndex = std::uint8_t;
inline constexpr TileIndex kBlankTile = 0;
inline constexpr std::size_t kMostLetterTiles = 63;
// A word or a rack as tiles.
using Tiles = std::vector<TileIndex>;

struct Tile {
    std::string upper, lower; // the tile's text, UTF-8 NFC: "CH" and "ch"
    int value = 0;            // points in the standard set
    int count = 0;            // tiles in the standard set
};

// A text that stands for tiles: a tile's own text, an alias or a fold.
struct TypedForm {
    std::u32string text; // lower case, NFC
    Tiles tiles;
    // A multi-letter tile's own text that other tiles spell too ("ch" is C H):
    // a rack takes it as one tile only in brackets.
    bool bracketsOnly = false;
};

struct Alphabet {
    std::string code;        // "es"
    std::string name;        // the language's own name, "Español"
    std::string lookup;      // a word's web address, "%s" standing for the word
    std::vector<Tile> tiles; // tiles[0] is the blank
    std::vector<std::pair<char32_t, char32_t>> lowerOf; // case pairs, by upper case
    std::vector<TypedForm> forms;                       // by text
    std::size_t longestForm = 0;                        // in code points
};

// The lower case of c by the alphabet's case pairs; c itself when it has none.
[[nodiscard]] char32_t LowerCase(const Alphabet& alphabet, char32_t c);
// The form whose text is exactly text, or nullptr.
[[nodiscard]] const TypedForm* FindForm(const Alphabet& alphabet, std::u32string_view text);
// The form that matches the longest start of text (lower case, NFC), or nullptr;
// bracketsOnly forms count only when withBracketsOnly.
[[nodiscard]] const TypedForm* LongestForm(const Alphabet& alphabet, std::u32string_view text,
                                           bool withBracketsOnly);
// The word the tiles spell, in lower case ("calle" for C A LL E).
[[nodiscard]] std::string TileText(const Alphabet& alphabet, const Tiles& tiles);
// The tiles' lower-case texts apart ("c a ll e").
[[nodiscard]] std::string TileTextsApart(const Alphabet& alphabet,
                                         std::span<const TileIndex> tiles);

} // namespace anagrove
