// "Find Words" in tiles as the window runs it: the rack typed through the
// alphabet, the rows' blanks, spellings and counts, and custom tile values.

#include "alphabet/shipped_alphabet.h"
#include "app/tile_search_request.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace anagrove;
using testing_support::ShippedAlphabet;

std::shared_ptr<const TileWordList> List(const std::string& code, std::string_view words) {
    auto alphabet = std::make_shared<const Alphabet>(ShippedAlphabet(code));
    return std::make_shared<const TileWordList>(ReadTileWordList(words, alphabet));
}

TileSearchOutcome Search(const std::shared_ptr<const TileWordList>& list, const std::string& rack,
                         SortOrder order = SortOrder::score) {
    SearchRequest request;
    request.letters = rack;
    request.order = order;
    const SearchLimits limits{2, 0, true, false};
    auto outcome = RunTileSearch(request, limits, list, StandardTileValues(list->Letters()));
    EXPECT_TRUE(outcome.ok()) << rack;
    return outcome ? *outcome : TileSearchOutcome{};
}

const FoundRow& RowOf(const TileSearchOutcome& s, std::string_view word) {
    for (const FoundRow& row : s.outcome.found.rows)
        if (row.word == word)
            return row;
    static const FoundRow kNone;
    ADD_FAILURE() << word << " not found";
    return kNone;
}

TEST(TileSearchRequest, ListsScoresAndCountsInTiles) {
    const auto list = List("es", "chal\ncha\nacha\nhacha\nllama\n");
    const TileSearchOutcome s = Search(list, "[CH]a*", SortOrder::alpha);
    std::string rows;
    for (const FoundRow& row : s.outcome.found.rows)
        rows += ItemText(row, s.outcome.listing.form) + ";";
    // CH is one tile of 5; the blank's L and A score nothing.
    EXPECT_EQ(rows, "acha (6);cha (6);chal (6);");
    EXPECT_EQ(s.outcome.caption, " 3 words found");
    EXPECT_EQ(s.outcome.status, " 3 words found out of 5 total words.");
    EXPECT_EQ(TileBlanksText(RowOf(s, "chal"), s.rack, true),
              "Blank tile: l \u00b7 6 points with blanks at zero");
    EXPECT_EQ(TileBlanksText(RowOf(s, "cha"), s.rack, false), "No blank tiles used");
    // The saved table's blank column: the tiles apart, the score as it stands.
    const TileSearchOutcome blanks = Search(list, "a**");
    const BlankUse cha = TileBlankUse(RowOf(blanks, "chal"), blanks.rack);
    EXPECT_EQ(cha.letters, "ch l");
    EXPECT_EQ(cha.scoreBlanksZero, 1);
    const TileSearchOutcome noBlanks = Search(list, "[ch]a");
    EXPECT_EQ(TileBlanksText(RowOf(noBlanks, "cha"), noBlanks.rack, true),
              "No blank tiles in the rack");
}

TEST(TileSearchRequest, RefusesARackThatIsNotTiles) {
    SearchRequest request;
    request.letters = "[ch";
    const auto list = List("es", "cha\n");
    const auto refused =
        RunTileSearch(request, {2, 0, true, false}, list, StandardTileValues(list->Letters()));
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().find("[ch"), std::string::npos) << refused.error();
}

// A row looks up the spelling the list gave, not the playing form.
TEST(TileSearchRequest, LooksUpTheSpelling) {
    const auto list = List("fr", "mere\tm\u00e8re\tmer\u00e9\nmer\n");
    const TileSearchOutcome s = Search(list, "M\u00c8RE", SortOrder::length);
    ASSERT_EQ(s.outcome.found.FoundCount(), 2);
    EXPECT_EQ(RowSpelling(RowOf(s, "mere"), s.rack), "m\u00e8re");
    EXPECT_EQ(RowSpelling(RowOf(s, "mer"), s.rack), "mer");
}

TEST(TileSearchRequest, ReadsCustomValuesPerTile) {
    const Alphabet es = ShippedAlphabet("es");
    std::vector<std::string> texts(es.tiles.size(), "2");
    texts[4] = " 7 "; // CH
    const auto values = ReadTileValueTexts(es, texts);
    ASSERT_TRUE(values.ok());
    EXPECT_EQ((*values)[4], 7);
    EXPECT_EQ((*values)[1], 2);
    EXPECT_EQ((*values)[0], 0);
    texts[4] = "1000";
    const auto refused = ReadTileValueTexts(es, texts);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().tile, 4u);
    EXPECT_EQ(refused.error().message, "Please enter a number from 0 to 999 for CH.");
    texts[4] = "7";
    texts.pop_back(); // Z left empty
    EXPECT_EQ(ReadTileValueTexts(es, texts).error().tile, es.tiles.size() - 1);
}

} // namespace
