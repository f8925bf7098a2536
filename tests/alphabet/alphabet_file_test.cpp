// The alphabet files: the shipped ones read and hold the standard sets; a
// faulty file is refused with the line at fault.

#include "alphabet/alphabet_file.h"
#include "alphabet/utf8.h"
#include "shipped_alphabet.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using testing_support::ShippedAlphabet;

// The value and count of the tile whose upper-case text is upper.
std::pair<int, int> ValueAndCount(const anagrove::Alphabet& alphabet, const std::string& upper) {
    for (const anagrove::Tile& tile : alphabet.tiles)
        if (tile.upper == upper)
            return {tile.value, tile.count};
    ADD_FAILURE() << alphabet.code << " has no tile " << upper;
    return {-1, -1};
}

TEST(ShippedAlphabets, HoldTheStandardSets) {
    struct Row {
        std::string code, name;
        std::size_t letters;
        int tilesInSet, blanks;
    };
    const Row rows[] = {
        {"en", "English", 26, 100, 2},
        {"es", "Español", 28, 100, 2},
        {"fr", "Français", 26, 102, 2},
        {"de", "Deutsch", 29, 102, 2},
        {"pl", "Polski", 32, 100, 2},
        {"ca", "Català", 26, 100, 2},
        {"nl", "Nederlands", 26, 102, 2},
        {"pt", "Português", 27, 120, 3},
        {"pt-BR", "Português do Brasil", 27, 120, 3},
        {"it", "Italiano", 26, 120, 2},
    };
    for (const Row& row : rows) {
        const anagrove::Alphabet& alphabet = ShippedAlphabet(row.code);
        ASSERT_EQ(alphabet.code, row.code);
        EXPECT_EQ(alphabet.name, row.name);
        EXPECT_EQ(alphabet.tiles.size(), row.letters + 1) << row.code;
        EXPECT_EQ(alphabet.tiles[anagrove::kBlankTile].count, row.blanks) << row.code;
        EXPECT_EQ(std::accumulate(alphabet.tiles.begin(), alphabet.tiles.end(), 0,
                                  [](int sum, const anagrove::Tile& t) { return sum + t.count; }),
                  row.tilesInSet)
            << row.code;
        const std::string pt = row.code == "pt-BR" ? "pt" : row.code;
        EXPECT_EQ(alphabet.lookup, "https://" + pt + ".wiktionary.org/wiki/%s");
    }

    const std::pair<std::string, std::vector<std::pair<std::string, std::pair<int, int>>>> sets[] =
        {
            {"es", {{"CH", {5, 1}}, {"LL", {8, 1}}, {"Ñ", {8, 1}}, {"RR", {8, 1}}, {"Z", {10, 1}}}},
            {"pl",
             {{"Ź", {9, 1}},
              {"Ń", {7, 1}},
              {"Ć", {6, 1}},
              {"Ą", {5, 1}},
              {"Ę", {5, 1}},
              {"Ó", {5, 1}},
              {"Ś", {5, 1}},
              {"Ż", {5, 1}},
              {"F", {5, 1}}}},
            {"ca", {{"L·L", {10, 1}}, {"NY", {10, 1}}, {"QU", {8, 1}}, {"Ç", {4, 1}}}},
            {"de", {{"Ä", {6, 1}}, {"Ö", {8, 1}}, {"Ü", {6, 1}}, {"E", {1, 15}}}},
            {"en", {{"Q", {10, 1}}, {"E", {1, 12}}}},
        };
    for (const auto& [code, tiles] : sets)
        for (const auto& [upper, valueAndCount] : tiles)
            EXPECT_EQ(ValueAndCount(ShippedAlphabet(code), upper), valueAndCount)
                << code << " " << upper;
}

TEST(AlphabetFile, RefusesAFaultyFileNamingTheLine) {
    const std::string head = "language xx\nname Test\n";
    struct Row {
        const char* name;
        std::string text, message;
    };
    const Row rows[] = {
        {"unknown key", head + "tile A a 1 1\nletter B b 1 1\n", "line 4: not one of"},
        {"tile without count", head + "tile A a 1\n", "line 3: wrong number"},
        {"value not a number", head + "tile A a one 1\n", "line 3: not a number"},
        {"negative count", head + "# a comment\ntile A a 1 -2\n", "line 4: not a number"},
        {"name twice", head + "name Again\ntile A a 1 1\n", "line 3: said twice"},
        {"two lower cases of A", head + "tile A a 1 1\ncase A b\n", "line 4: the lower case"},
        {"multi-letter lower case", head + "tile C c 1 1\ntile H h 1 1\ntile CH cx 1 1\n",
         "line 5: the lower case"},
        {"one alias for two tiles", head + "tile A a 1 1\ntile B b 1 1 a\n", "line 4: a form"},
        {"fold onto a tile", head + "tile A a 1 1\ntile Ä ä 1 1\nfold Ä ä a\n", "line 5: a form"},
        {"fold to no tiles", head + "tile A a 1 1\nfold - ß ss\n", "line 4: a fold"},
        {"decomposed tile", head + "tile E\xCC\x81 e\xCC\x81 1 1\n", "line 3: text that is not"},
        {"bad UTF-8", head + "tile A a 1 1\r\nfold \xC3 a a\n", "line 4: not UTF-8"},
        {"bracket as a tile", head + "tile [ [ 1 1\n", "line 3: a form with"},
        {"lookup without the word", head + "lookup https://x/\ntile A a 1 1\n", "line 3: a lookup"},
        {"no tiles", head, "no language, no name or no tile"},
        {"empty file", "", "no language, no name or no tile"},
    };
    for (const Row& row : rows) {
        const auto alphabet = anagrove::ReadAlphabet(row.text);
        ASSERT_FALSE(alphabet.ok()) << row.name;
        EXPECT_TRUE(alphabet.error().starts_with(row.message))
            << row.name << ": " << alphabet.error();
    }

    std::string sixtyFour = head;
    for (char32_t c = 0x100; c < 0x100 + 128; c += 2) // Ā ā, Ă ă, ...: 64 case pairs
        sixtyFour += "tile " + anagrove::EncodeUtf8(std::u32string(1, c)) + " " +
                     anagrove::EncodeUtf8(std::u32string(1, c + 1)) + " 1 1\n";
    const auto tooMany = anagrove::ReadAlphabet(sixtyFour);
    ASSERT_FALSE(tooMany.ok());
    EXPECT_EQ(tooMany.error(), "line 66: more than 63 letter tiles");
    const auto sixtyThree = anagrove::ReadAlphabet(sixtyFour.substr(0, sixtyFour.rfind("tile")));
    ASSERT_TRUE(sixtyThree.ok()) << sixtyThree.error();
    EXPECT_EQ(sixtyThree->tiles.size(), 64u);
}

} // namespace
