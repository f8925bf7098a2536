#include "alphabet/rack.h"
#include "alphabet/shipped_alphabet.h"
#include "search/tile_search.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace anagrove;
using testing_support::ShippedAlphabet;
using testing_support::TileNames;

struct Searched {
    std::shared_ptr<const TileWordList> list;
    FoundWords found;
};

Searched Search(const std::string& code, std::string_view words, std::string_view rack,
                SearchLimits limits = {2, 0, true, false}) {
    auto alphabet = std::make_shared<const Alphabet>(ShippedAlphabet(code));
    auto list = std::make_shared<const TileWordList>(ReadTileWordList(words, alphabet));
    auto tiles = ReadRack(*alphabet, rack);
    EXPECT_TRUE(tiles.ok()) << rack;
    return {list,
            FindTileWords(tiles ? *tiles : Tiles{}, limits, *list, StandardTileValues(*alphabet))
                .found};
}

std::string Rows(const FoundWords& found) {
    std::string rows;
    for (const FoundRow& row : found.rows)
        rows += std::string(row.word) + " " + std::to_string(row.length) + " " +
                std::to_string(row.score) + ";";
    return rows;
}

TEST(TileSearch, CountsTilesAndScoresTheirValues) {
    // CALLE is C A LL E: 4 tiles, 3 + 1 + 8 + 1; "ll" typed apart is two L tiles.
    EXPECT_EQ(Rows(Search("es", "calle\ncalle\ncalle\n", "ca[ll]e").found),
              "calle 4 13;calle 4 13;calle 4 13;");
    EXPECT_EQ(Rows(Search("es", "calle\n", "calle").found), "");
    // The anagram length is the rack's tiles; limits count tiles.
    EXPECT_EQ(Rows(Search("es", "calle\ncae\n", "ca[ll]e", {0, 0, false, true}).found),
              "calle 4 13;");
    EXPECT_EQ(Rows(Search("es", "calle\ncae\n", "ca[ll]e", {4, 4, false, false}).found),
              "calle 4 13;");
    EXPECT_EQ(Rows(Search("es", "calle\ncae\n", "ca[ll]e", {2, 3.5, false, false}).found),
              "cae 3 5;");
}

TEST(TileSearch, BlanksStandForMissingTilesAndScoreNothing) {
    // Ź is 9 in Polish; a blank plays the second Ź of ŹDŹBŁO.
    const auto s = Search("pl", "źdźbło\nżółw\n", "źdbło*");
    EXPECT_EQ(Rows(s.found), "źdźbło 6 " + std::to_string(9 + 2 + 3 + 3 + 1) + ";");
    EXPECT_EQ(TileNames(s.list->Letters(),
                        BlankTilesOf(s.list->WordTiles(0), *ReadRack(s.list->Letters(), "źdbło*"))),
              "Ź");
    // Two blanks for two missing tiles; one is not enough.
    EXPECT_EQ(Rows(Search("pl", "żółw\n", "żw**").found), "żółw 4 " + std::to_string(5 + 1) + ";");
    EXPECT_EQ(Rows(Search("pl", "żółw\n", "żw*o").found), "");
    // A word that holds a tile four times needs each copy.
    EXPECT_EQ(Rows(Search("es", "aaaa\n", "aaa*").found), "aaaa 4 3;");
    EXPECT_EQ(Rows(Search("es", "aaaa\n", "aa**").found), "aaaa 4 2;");
    EXPECT_EQ(Rows(Search("es", "aaaa\n", "aab*").found), "");
    EXPECT_EQ(Search("es", "aaaa\n", "aab*").found.matched, 0);
}

TEST(TileSearch, PlacesBoardTilesWhereTheWordHoldsThem) {
    const Alphabet& es = ShippedAlphabet("es");
    const auto tiles = [&es](std::string_view text) { return *ReadRack(es, text); };
    const auto squares = [&](std::string_view word, const TileBoard& board) {
        const Tiles w = tiles(word);
        const auto rack = TileRackSquares(w, board);
        std::string marks;
        for (const bool laid : rack.value_or(std::vector<bool>{}))
            marks += laid ? 'r' : 'b';
        return rack ? marks : "none";
    };
    // The contained run lies after the start and before the end, leftmost.
    EXPECT_EQ(squares("ababa", {tiles("a"), {}, tiles("a"), {}}), "brbrr");
    EXPECT_EQ(squares("ababa", {tiles("ab"), tiles("ba"), tiles("a"), {}}), "bbbbb");
    EXPECT_EQ(squares("ababa", {tiles("aba"), tiles("aba"), {}, {}}), "none");
    EXPECT_EQ(squares("ca[ll]e", {{}, tiles("e"), tiles("[ll]"), {}}), "rrbb");
    EXPECT_EQ(squares("calle", {{}, {}, tiles("[ll]"), {}}), "none"); // C A L L E
    Tiles pattern = tiles("c");
    pattern.push_back(kBlankTile);
    EXPECT_EQ(squares("ca", {{}, {}, {}, pattern}), "br");
    EXPECT_EQ(squares("cae", {{}, {}, {}, pattern}), "none");
}

} // namespace
