// The search and the sorts against the literal rendering of their steps, on
// random racks, limits, letter values and word lists.

#include "points/letter_points.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

using namespace anagrove;
using testing_support::SameTable;
using testing_support::TextTableOf;

std::mt19937 rng(2024);

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

// One search on both sides, then a chain of re-sorts, comparing the whole table
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
    const SearchRequest request{rack,
                                std::to_string(limits.minimum),
                                std::to_string(limits.maximum),
                                limits.nomax,
                                limits.anagram,
                                static_cast<SortMode>(Pick(1, 3)),
                                true};
    const LetterPoints points = RandomPoints();
    SCOPED_TRACE("rack \"" + rack + "\" min " + request.minimumText + " max " +
                 request.maximumText + (limits.nomax ? " nomax" : "") +
                 (limits.anagram ? " anagram" : "") + " A=" + std::to_string(points[0]) +
                 " order " + std::to_string(static_cast<int>(request.mode)));

    const auto programLimits = std::get<SearchLimits>(ReadSearchLimits(request));
    literal::Found expected = literal::findwords(rack, limits, words, points);
    SearchOutcome outcome = RunSearch(request, programLimits, list, points);
    ASSERT_EQ(outcome.found.matched, expected.matched);
    if (expected.rows.size() > 3000) { // the literal sort is quadratic on rows in order
        ASSERT_TRUE(
            SameTable(TextTableOf(findwords(rack, programLimits, list, points)), expected.rows));
        return;
    }
    for (int step = 0; step < 4; ++step) { // the search's order, then three re-sorts
        const auto mode = step == 0 ? request.mode : static_cast<SortMode>(Pick(1, 3));
        if (step > 0)
            (void)Resort(outcome.found, mode);
        literal::SortByOption(expected.rows, static_cast<int>(mode));
        ASSERT_TRUE(SameTable(TextTableOf(outcome.found), expected.rows))
            << "step " << step << ", order " << static_cast<int>(mode);
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

// The sorts alone, both directions, on part or all of tables whose keys tie
// often, never, or come in order.
TEST(Differential, SortsOnRandomTables) {
    std::vector<std::string> words(400);
    for (auto& w : words)
        for (int k = Pick(0, 3); k > 0; --k)
            w += PickOf({'a', 'b', 'B', '\xe9', ' '});
    for (int n = 0; n < 600; ++n) {
        const int size = PickOf({0, 1, 2, 3, 5, 8, 20, 60, 300, 1500});
        const int kind = Pick(0, 3); // ties, all different, ascending, descending
        const int routine = Pick(1, 3);
        std::vector<FoundRow> table(static_cast<std::size_t>(size));
        for (int r = 0; r < size; ++r) {
            FoundRow& row = table[static_cast<std::size_t>(r)];
            row.word = words[static_cast<std::size_t>(Pick(0, 399))];
            row.score = kind == 0   ? Pick(-2, 3)
                        : kind == 1 ? std::int64_t{r} * 7919 % 10007 - 5000
                        : kind == 2 ? r / Pick(1, 3)
                                    : -r;
            row.score *= Pick(0, 9) == 0 ? std::int64_t{1} << 33 : 1;
            row.length = kind == 1 ? r : Pick(0, 4);
            if (routine == 1) { // equal words make identical rows, as in a search
                row.score = static_cast<std::int64_t>(row.word.size()) * 3;
                row.length = static_cast<std::int32_t>(row.word.size());
            }
        }
        std::shuffle(table.begin(), table.begin() + (kind < 2 ? size : 0), rng);
        const auto numEls = static_cast<std::int32_t>(size > 0 ? Pick(-1, size - 1) : -1);
        const bool descending = Pick(0, 1) == 1;
        FoundWords program{nullptr, table, size};
        literal::TextTable expected = TextTableOf(program);
        SCOPED_TRACE("routine " + std::to_string(routine) + " kind " + std::to_string(kind) +
                     " rows " + std::to_string(size) + " numEls " + std::to_string(numEls) +
                     (descending ? " descending" : " ascending"));
        (routine == 1   ? QuickSort
         : routine == 2 ? QuickSort2
                        : QuickSort3)(program.rows, numEls, descending);
        (routine == 1   ? literal::QuickSort
         : routine == 2 ? literal::QuickSort2
                        : literal::QuickSort3)(expected, numEls, descending);
        ASSERT_TRUE(SameTable(TextTableOf(program), expected));
    }
}

} // namespace
