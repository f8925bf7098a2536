// Random racks of each language's tiles, multi-letter tiles and blanks among
// them, through anagrove-find and through the plain tile model: the same words
// with the same scores and blanks, in each order.

#include "reference/tile_search.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testing_support::FileBytes;
using testing_support::Find;

const std::filesystem::path kSource = ANAGROVE_SOURCE_DIR;

struct Row {
    std::string word, blanks;
    int score = 0, length = 0;
    bool operator<(const Row& o) const {
        return word < o.word || (word == o.word && blanks < o.blanks);
    }
    bool operator==(const Row&) const = default;
};

std::vector<Row> TsvRows(const std::string& tsv) {
    std::vector<Row> rows;
    std::istringstream in(tsv);
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Row row;
        std::string length, score;
        std::getline(fields, row.word, '\t');
        std::getline(fields, length, '\t');
        std::getline(fields, score, '\t');
        std::getline(fields, row.blanks, '\t');
        row.length = std::stoi(length);
        row.score = std::stoi(score);
        rows.push_back(row);
    }
    return rows;
}

std::vector<Row> ModelRows(const std::vector<literal::PlainTile>& tiles,
                           const std::vector<std::string>& rack, const literal::TileLimits& limits,
                           const std::string& list) {
    std::vector<Row> rows;
    for (const literal::TileRow& found : literal::FindTileWords(tiles, rack, limits, list)) {
        Row row{found.word,
                {},
                found.score,
                static_cast<int>(literal::PlainTileSplit(tiles, found.word).size())};
        for (const std::string& blank : found.blanks)
            row.blanks += (row.blanks.empty() ? "" : " ") + blank;
        rows.push_back(row);
    }
    return rows;
}

// A rack of up to 8 tiles: most of a word of the list, other tiles, and blanks.
std::vector<std::string> RandomRack(std::mt19937& random,
                                    const std::vector<literal::PlainTile>& tiles,
                                    const std::vector<std::string>& words) {
    std::vector<std::string> rack = literal::PlainTileSplit(tiles, words[random() % words.size()]);
    std::shuffle(rack.begin(), rack.end(), random);
    rack.resize(std::min<std::size_t>(rack.size(), 1 + random() % 6));
    while (rack.size() < 6)
        rack.push_back(tiles[random() % tiles.size()].text);
    for (std::size_t blanks = random() % 3; blanks > 0; --blanks)
        rack.push_back("*");
    std::shuffle(rack.begin(), rack.end(), random);
    return rack;
}

// The rack as typed: a multi-letter tile in brackets.
std::string Typed(const std::vector<std::string>& rack) {
    std::string typed;
    for (const std::string& tile : rack) {
        const bool oneLetter = tile.size() == 1 || (tile.size() == 2 && (tile[0] & 0xe0) == 0xc0);
        typed += oneLetter ? tile : "[" + tile + "]";
    }
    return typed;
}

// Checks the rows of one order: the model's words (in list order) as a set,
// and the program's rows in the order's key.
void Compare(const std::string& sort, std::vector<Row> found, std::vector<Row> expected) {
    if (sort == "alpha") {
        EXPECT_EQ(found, expected);
        return;
    }
    const auto key = [&sort](const Row& r) { return sort == "score" ? r.score : r.length; };
    EXPECT_TRUE(std::ranges::is_sorted(found, std::greater<>(), key)) << sort;
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}

// What the racks found, so that a test can tell it searched for something.
struct Tally {
    std::size_t rows = 0, withBlanks = 0, multiLetter = 0;
};

void RunRacks(const std::string& code, const std::filesystem::path& listPath, int racks,
              std::mt19937& random, Tally& tally) {
    const auto tiles =
        literal::ReadPlainTiles(FileBytes(kSource / "data/alphabets" / (code + ".txt")));
    const std::string list = FileBytes(listPath);
    std::vector<std::string> words;
    std::istringstream in(list);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            words.push_back(line.substr(0, line.find('\t')));
    ASSERT_FALSE(words.empty()) << listPath;
    const char* orders[] = {"alpha", "score", "length"};
    for (int r = 0; r < racks; ++r) {
        const std::vector<std::string> rack = RandomRack(random, tiles, words);
        const bool anagram = random() % 4 == 0;
        const std::string sort = orders[random() % 3];
        literal::TileLimits limits{2, anagram ? 63u : 5u, anagram};
        std::vector<std::string> args = {
            "--word-list", listPath.string(), "--format", "tsv", "--sort", sort, Typed(rack)};
        if (anagram)
            args.push_back("--anagram");
        else
            args.insert(args.end(), {"--min", "2", "--max", "5"});
        const auto run = Find(args);
        SCOPED_TRACE(code + " " + Typed(rack) + " --sort " + sort + (anagram ? " --anagram" : ""));
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<Row> found = TsvRows(run.out);
        for (const Row& row : found) {
            ++tally.rows;
            tally.withBlanks += row.blanks.empty() ? 0 : 1;
            tally.multiLetter +=
                literal::PlainTileSplit(tiles, row.word).size() < row.word.size() &&
                        std::ranges::none_of(row.word, [](char c) { return c & 0x80; })
                    ? 1
                    : 0;
        }
        Compare(sort, found, ModelRows(tiles, rack, limits, list));
    }
}

TEST(FindTilesDifferential, RandomRacksInEachLanguageFindTheModelsWords) {
    std::mt19937 random(27);
    Tally tally;
    for (const char* code : {"es", "fr", "de", "pl", "ca", "nl", "pt", "pt-BR", "it"})
        RunRacks(code, kSource / "tests/data/languages" / (std::string(code) + ".txt"), 40, random,
                 tally);
    EXPECT_GT(tally.rows, 300u);
    EXPECT_GT(tally.withBlanks, 200u);
    EXPECT_GT(tally.multiLetter, 10u); // words with CH, LL, NY, QU... among the rows
}

TEST(FindTilesDifferential, RandomRacksOnTheBuiltCatalanList) {
    const auto path = std::filesystem::path(testing_support::BinDir()) / "languages/ca.txt";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "the Catalan list is not built";
    std::mt19937 random(270);
    Tally tally;
    RunRacks("ca", path, 3, random, tally);
    EXPECT_GT(tally.rows, 0u);
}

} // namespace
