// The search and the sorts against the literal rendering of their steps, on
// random racks, limits, letter values and word lists; the worked examples of the
// scores, the sorts and the result texts (those of the search are anagrove-find's).

#include "points/letter_points.h"
#include "search/letter_score.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <sstream>

namespace {

using namespace anagrove;
using testing_support::SameTable;
using testing_support::TextTableOf;

std::mt19937 rng(2024);
void (*const kSorts[])(std::vector<FoundRow>&, std::int32_t, bool) = {QuickSort, QuickSort2,
                                                                      QuickSort3};
void (*const kLiteralSorts[])(literal::TextTable&, std::int32_t, bool) = {
    literal::QuickSort, literal::QuickSort2, literal::QuickSort3};

int Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}
template <class T, std::size_t N> T PickOf(const T (&choices)[N]) {
    return choices[static_cast<std::size_t>(Pick(0, static_cast<int>(N) - 1))];
}

// A preset, small values that tie often, values near the 32-bit ends, or any.
LetterPoints RandomPoints() {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max(), kMin = -kMax - 1;
    const int kind = Pick(0, 3);
    if (kind == 0)
        return PresetTable(
            PickOf({PointScheme::scrabble, PointScheme::literati, PointScheme::wordmojo}));
    LetterPoints points{};
    for (auto& v : points)
        v = kind == 1   ? Pick(-3, 12)
            : kind == 2 ? (Pick(0, 1) ? kMax - Pick(0, 3) : kMin + Pick(0, 3))
                        : Pick(kMin, kMax);
    return points;
}

// Letters of a word of the list or at random, in mixed case, with blanks and,
// for the adversarial lists, characters that are no letters.
std::string RandomRack(const std::vector<std::string>& words, bool adversarial) {
    std::string rack;
    if (!words.empty() && Pick(0, 2) > 0)
        rack = words[static_cast<std::size_t>(Pick(0, static_cast<int>(words.size()) - 1))];
    for (int n = Pick(0, 3); n > 0; --n)
        rack += static_cast<char>('a' + Pick(0, 25));
    rack += std::string(static_cast<std::size_t>(PickOf({0, 0, 0, 1, 1, 2, 3, 4, 6})), '*');
    for (int n = adversarial ? Pick(0, 2) : 0; n > 0; --n)
        rack += PickOf({' ', '\'', '-', '9', '\xe9', 'A', 'Z'});
    for (char& c : rack)
        if (c >= 'a' && c <= 'z' && Pick(0, 4) == 0)
            c = static_cast<char>(c - 'a' + 'A');
    std::shuffle(rack.begin(), rack.end(), rng);
    return rack.empty() ? "*" : rack;
}

// One search on both sides, then a chain of sorts, comparing the whole table
// each time. Adversarial searches also take limits around 63 letters, where the
// program's long words begin.
void CompareSearches(const std::shared_ptr<const WordList>& list,
                     const std::vector<std::string>& words, bool adversarial) {
    const bool longWords = adversarial && Pick(0, 3) == 0;
    literal::Limits limits{longWords ? PickOf({61.5, 62.0, 63.0, 64.0, 65.0})
                                     : PickOf({-1.0, 0.0, 1.0, 2.0, 2.5, 3.0, 4.75}),
                           longWords ? PickOf({62.0, 62.5, 63.0, 64.0, 100.0})
                                     : PickOf({0.0, 1.5, 3.0, 4.5, 6.0, 8.0}),
                           Pick(0, 5) == 0, Pick(0, 6) == 0};
    const std::string rack = RandomRack(words, adversarial);
    if (const auto blanks = std::count(rack.begin(), rack.end(), '*'); !adversarial && blanks > 1) {
        limits.nomax = false; // keep the tables of the shipped lists to some thousand rows
        limits.maximum = std::min(limits.maximum, blanks > 3 ? 3.0 : 6.0);
    }
    const auto mode = static_cast<SortMode>(Pick(1, 3));
    const SearchRequest request(rack, std::to_string(limits.minimum),
                                std::to_string(limits.maximum), limits.nomax, limits.anagram, mode);
    const LetterPoints points = RandomPoints();
    SCOPED_TRACE("rack \"" + rack + "\" min " + request.minimumText + " max " +
                 request.maximumText + (limits.nomax ? " nomax" : "") +
                 (limits.anagram ? " anagram" : "") + " A=" + std::to_string(points[0]) +
                 " order " + std::to_string(int(mode)));

    const auto programLimits = std::get<SearchLimits>(ReadSearchLimits(request));
    literal::Found expected = literal::findwords(rack, limits, words, points);
    SearchOutcome outcome = RunSearch(request, programLimits, list, points);
    ASSERT_EQ(outcome.found.matched, expected.matched);
    if (expected.rows.size() > 3000) { // the literal sort is quadratic on rows in order
        ASSERT_TRUE(
            SameTable(TextTableOf(findwords(rack, programLimits, list, points)), expected.rows));
        return;
    }
    literal::SortByOption(expected.rows, static_cast<int>(request.mode));
    ASSERT_TRUE(SameTable(TextTableOf(outcome.found), expected.rows)) << "in the search's order";
    // Then the three routines on what the search left, in either direction and
    // on part or all of the rows: tables in order, reversed, or tied.
    for (int step = 0; step < 3; ++step) {
        const int routine = Pick(0, 2);
        const bool descending = Pick(0, 1) == 1;
        const auto numEls = static_cast<std::int32_t>(Pick(-1, int(expected.rows.size()) - 1));
        kSorts[routine](outcome.found.rows, numEls, descending);
        kLiteralSorts[routine](expected.rows, numEls, descending);
        ASSERT_TRUE(SameTable(TextTableOf(outcome.found), expected.rows))
            << "after routine " << routine + 1 << (descending ? " descending" : " ascending")
            << " to row " << numEls;
    }
}

TEST(Differential, AdversarialListsAndRacks) {
    const std::string_view pieces[] = {"a",    "e",    "t",   "s",   "T",      "E",   "A",
                                       "'",    "-",    " ",   "q",   "z",      "x",   "\xe9",
                                       "\xff", "tea",  "eat", "\t",  "\r",     "ATE", "eee",
                                       "eEe",  "SSSS", "tet", "zaq", {"\0", 1}};
    for (int n = 0; n < 200; ++n) {
        std::string file; // up to some hundreds of words, so that word sets span several blocks
        for (int line = Pick(0, 1) ? Pick(0, 20) : Pick(60, 300); line > 0; --line) {
            // Mostly short words, some around 63 characters.
            for (int k = Pick(0, 9) == 0 ? Pick(25, 40) : Pick(0, 5); k > 0; --k)
                file += PickOf(pieces);
            if (line > 1 || Pick(0, 1) == 1) // sometimes no line end after the last line
                file += PickOf({"\r\n", "\n", "\r\n", "\n\n", "\r\n\r\n"});
        }
        if (Pick(0, 3) == 0) // duplicates
            file += file;
        const auto list = std::make_shared<const WordList>(LoadWordList(file));
        const std::vector<std::string> words = literal::CutLines(file);
        ASSERT_EQ(list->WordCount(), static_cast<std::int32_t>(words.size()));
        for (std::int32_t i = 0; i < list->WordCount(); ++i)
            ASSERT_EQ((*list)[i], words[static_cast<std::size_t>(i)]);
        for (int search = 0; search < 6; ++search)
            CompareSearches(list, words, true);
    }
}

TEST(Differential, ShippedListsOnRandomRacks) {
    for (const char* name : {"standard.txt", "extended.txt"}) {
        std::string file = testing_support::FileBytes(std::string(ANAGROVE_BIN_DIR) + "/" + name);
        const std::vector<std::string> words = literal::CutLines(file);
        ASSERT_GT(words.size(), 100000u) << name;
        const auto list = std::make_shared<const WordList>(TakeWordList(std::move(file)));
        for (int n = 0; n < 150; ++n)
            CompareSearches(list, words, false);
    }
}

TEST(SearchExamples, WordScoresUnderEachPreset) {
    const std::tuple<const char*, PointScheme, std::int64_t> rows[] = {
        {"quiz", PointScheme::scrabble, 22},  {"QuIz", PointScheme::scrabble, 22},
        {"fix", PointScheme::scrabble, 13},   {"qu-i'z\xe9", PointScheme::scrabble, 22},
        {"quiz", PointScheme::literati, 12},  {"cdmpvw", PointScheme::literati, 13},
        {"quiz", PointScheme::wordmojo, 120}, {"ghln", PointScheme::wordmojo, 100},
    };
    for (const auto& [word, scheme, score] : rows)
        EXPECT_EQ(WordScore(word, PresetTable(scheme)), score) << word << " " << int(scheme);
}

// Rows given as "word:key", the key both score and length.
TEST(SortExamples, TiesFallWhereTheStepsPutThem) {
    const std::string seven = "a:1 at:2 ate:3 eat:3 eta:3 tae:3 tea:3";
    const std::tuple<const char*, int, std::string, std::string> rows[] = {
        // name, routine, rows, words sorted (descending but for routine 1)
        {"two_equal_scores", 2, "b:1 a:1", "a b"},
        {"three_equal_scores", 2, "x:2 y:2 z:2", "y z x"},
        {"seven_alpha", 1, seven, "a at ate eat eta tae tea"},
        {"seven_score", 2, seven, "eta eat tae tea ate at a"},
        {"seven_length", 3, seven, "eta eat tae tea ate at a"},
        {"five_score", 2, "dog:5 cat:5 emu:5 ox:9 bee:5", "ox emu bee cat dog"},
        {"five_length", 3, "dog:3 cat:3 emu:3 ox:2 bee:3", "emu bee cat dog ox"},
        {"scores_as_numbers", 2, "m:-3 z:0 t:12 n:9", "t n z m"},
        {"bytes_above_127_last", 1, "\xe9:0 z:0 Z:0", "Z z \xe9"},
    };
    for (const auto& [name, routine, given, sorted] : rows) {
        std::vector<std::string> words(8); // the rows' words live here
        std::vector<FoundRow> table;
        std::istringstream in(given);
        for (std::string item; in >> item;) {
            words[table.size()] = item.substr(0, item.find(':'));
            const auto key = std::stoll(item.substr(item.find(':') + 1));
            table.push_back({words[table.size()], 0, std::int32_t(key), key});
        }
        kSorts[routine - 1](table, std::int32_t(table.size()) - 1, routine != 1);
        std::string result;
        for (const FoundRow& r : table)
            result += (result.empty() ? "" : " ") + std::string(r.word);
        EXPECT_EQ(result, sorted) << name;
    }
}

TEST(SearchExamples, CaptionAndStatusTexts) {
    const FoundWords twelve{nullptr, std::vector<FoundRow>(12), 12};
    EXPECT_EQ(FoundCaptionText(twelve), " 12 words found");
    EXPECT_EQ(FoundStatusText(twelve, 80000), " 12 words found out of 80000 total words.");
}

} // namespace
