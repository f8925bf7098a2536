// The plain model of a search in any alphabet that the differential tests
// hold the program to: multi-letter tiles, blanks, limits and scores.

#include "reference/tile_search.h"
#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(TileReference, FindsTheWordsWhoseTilesFitTheRack) {
    const auto tiles = literal::ReadPlainTiles(
        testing_support::FileBytes(std::filesystem::path(ANAGROVE_ALPHABET_DIR) / "es.txt"));
    ASSERT_EQ(tiles.size(), 28u);
    EXPECT_EQ(literal::PlainTileSplit(tiles, "chorrillo"),
              (std::vector<std::string>{"ch", "o", "rr", "i", "ll", "o"}));
    EXPECT_TRUE(literal::PlainTileSplit(tiles, "kilo").empty());

    const std::string list =
        "#alphabet es\ncalle\ncaer\nchoco\ncoche\nhoce\nleche\tleche\nnino\nniño\n";
    using Row = literal::TileRow;
    struct Case {
        const char* name;
        std::vector<std::string> rack;
        literal::TileLimits limits;
        std::vector<Row> found;
    };
    const Case cases[] = {
        {"CH is one tile, C and H are not it", {"ch", "o", "c", "e"}, {}, {{"coche", {}, 10}}},
        {"C and H spell no CH", {"c", "h", "o", "c", "o"}, {}, {}},
        {"a blank stands for any one tile, LL and Ñ among them, scoring nothing",
         {"c", "a", "*", "e", "n", "i", "o"},
         {},
         {{"calle", {"ll"}, 5},
          {"caer", {"r"}, 5},
          {"coche", {"ch"}, 5},
          {"hoce", {"h"}, 5},
          {"nino", {"n"}, 3},
          {"niño", {"ñ"}, 3}}},
        {"the rack's tile first, a blank for the next",
         {"ch", "o", "*", "*"},
         {},
         {{"choco", {"c", "o"}, 6}, {"coche", {"c", "e"}, 6}}},
        {"limits count tiles: calle is 4",
         {"c", "a", "ll", "e", "r"},
         {4, 4, false},
         {{"calle", {}, 13}, {"caer", {}, 6}}},
        {"an anagram uses every tile", {"c", "a", "ll", "e"}, {2, 63, true}, {{"calle", {}, 13}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(literal::FindTileWords(tiles, c.rack, c.limits, list), c.found) << c.name;
}

} // namespace
