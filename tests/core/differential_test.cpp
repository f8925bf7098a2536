// The search and the sorts against the literal rendering of their steps, on
// random racks, limits, letter values and word lists.

#include "points/letter_points.h"
#include "search/char_count.h"
#include "search/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <random>
#include <sstream>

namespace {

using namespace anagrove;
using testing_support::SameTable;
using testing_support::TextTableOf;

struct BothLists {
    std::shared_ptr<const WordList> program;
    std::vector<std::string> words;
};

BothLists LoadBoth(std::string_view fileText) {
    return {std::make_shared<const WordList>(LoadWordList(fileText)), literal::CutLines(fileText)};
}

const BothLists& ShippedList(const std::string& name) {
    static std::map<std::string, BothLists> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache
                 .emplace(name, LoadBoth(testing_support::FileBytes(std::string(ANAGROVE_BIN_DIR) +
                                                                    "/" + name)))
                 .first;
    return it->second;
}

int Pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

template <class T, std::size_t N> T PickOf(std::mt19937& rng, const T (&choices)[N]) {
    return choices[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(N) - 1))];
}

LetterPoints RandomPoints(std::mt19937& rng) {
    LetterPoints points{};
    switch (Pick(rng, 0, 3)) {
    case 0:
        return PresetTable(
            PickOf(rng, {PointScheme::scrabble, PointScheme::literati, PointScheme::wordmojo}));
    case 1: // small values: many equal scores
        for (auto& v : points)
            v = Pick(rng, -3, 12);
        return points;
    case 2: // values at the ends of the 32-bit range: sums need 64 bits
        for (auto& v : points)
            v = Pick(rng, 0, 1) ? std::numeric_limits<std::int32_t>::max() - Pick(rng, 0, 3)
                                : std::numeric_limits<std::int32_t>::min() + Pick(rng, 0, 3);
        return points;
    default:
        for (auto& v : points)
            v = Pick(rng, std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max());
        return points;
    }
}

// A rack: letters of a word of the list or at random, in mixed case, with
// blanks and, for the adversarial lists, characters that are no letters.
std::string RandomRack(std::mt19937& rng, const std::vector<std::string>& words, bool odd) {
    std::string rack;
    if (!words.empty() && Pick(rng, 0, 2) > 0)
        rack = words[static_cast<std::size_t>(Pick(rng, 0, static_cast<int>(words.size()) - 1))];
    for (int n = Pick(rng, 0, 3); n > 0; --n)
        rack += static_cast<char>('a' + Pick(rng, 0, 25));
    for (int n = PickOf(rng, {0, 0, 0, 1, 1, 2, 3, 4, 6}); n > 0; --n)
        rack += '*';
    for (int n = odd ? Pick(rng, 0, 2) : 0; n > 0; --n)
        rack += PickOf(rng, {' ', '\'', '-', '9', '\xe9', 'A', 'Z'});
    for (char& c : rack)
        if (c >= 'a' && c <= 'z' && Pick(rng, 0, 4) == 0)
            c = static_cast<char>(c - 'a' + 'A');
    std::shuffle(rack.begin(), rack.end(), rng);
    return rack.empty() ? "*" : rack;
}

std::string NumberText(double v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

// One search on both sides, then a chain of re-sorts, comparing the whole table
// each time. Adversarial searches also take limits around long words.
void CompareSearches(const BothLists& list, std::mt19937& rng, bool adversarial) {
    literal::Limits limits;
    limits.minimum = adversarial && Pick(rng, 0, 3) == 0
                         ? PickOf(rng, {61.5, 62.0, 63.0, 64.0, 65.0})
                         : PickOf(rng, {-1.0, 0.0, 1.0, 2.0, 2.5, 3.0, 4.75});
    limits.maximum = adversarial && Pick(rng, 0, 3) == 0
                         ? PickOf(rng, {62.0, 62.5, 63.0, 64.0, 100.0})
                         : PickOf(rng, {0.0, 1.5, 3.0, 4.5, 6.0, 8.0});
    limits.nomax = Pick(rng, 0, 5) == 0;
    limits.anagram = Pick(rng, 0, 6) == 0;
    SearchRequest request{RandomRack(rng, list.words, adversarial),
                          NumberText(limits.minimum),
                          NumberText(limits.maximum),
                          limits.nomax,
                          limits.anagram,
                          static_cast<SortMode>(Pick(rng, 1, 3)),
                          true};
    const LetterPoints points = RandomPoints(rng);
    SCOPED_TRACE("rack \"" + request.letters + "\" min " + request.minimumText + " max " +
                 request.maximumText + (limits.nomax ? " nomax" : "") +
                 (limits.anagram ? " anagram" : "") + " points A=" + std::to_string(points[0]) +
                 " sort " + std::to_string(static_cast<int>(request.mode)));

    auto programLimits = ReadSearchLimits(request);
    ASSERT_TRUE(std::holds_alternative<SearchLimits>(programLimits));
    const auto& searchLimits = std::get<SearchLimits>(programLimits);
    literal::Found expected = literal::findwords(request.letters, limits, list.words, points);
    FoundWords inListOrder = findwords(request.letters, searchLimits, list.program, points);
    ASSERT_EQ(inListOrder.matched, expected.matched);
    ASSERT_TRUE(SameTable(TextTableOf(inListOrder), expected.rows));
    // The literal sort takes quadratic time on rows in order; big tables are
    // left to the sort tests.
    if (expected.rows.size() > 3000)
        return;

    SearchOutcome outcome = RunSearch(request, searchLimits, list.program, points);
    literal::SortByOption(expected.rows, static_cast<int>(request.mode));
    ASSERT_TRUE(SameTable(TextTableOf(outcome.found), expected.rows));

    for (int step = 0; step < 3; ++step) {
        auto mode = static_cast<SortMode>(Pick(rng, 1, 3));
        (void)Resort(outcome.found, mode);
        literal::SortByOption(expected.rows, static_cast<int>(mode));
        ASSERT_TRUE(SameTable(TextTableOf(outcome.found), expected.rows))
            << "after re-sort " << step << " by option " << static_cast<int>(mode);
    }
}

TEST(Differential, CharCountCountsEveryPositionAsWritten) {
    std::mt19937 rng(7);
    for (int n = 0; n < 3000; ++n) {
        std::string text, chars;
        for (int k = Pick(rng, 0, 8); k > 0; --k)
            text += PickOf(rng, {'a', 'A', 'b', 'B', '*', ' ', '\xe1', '\xc1'});
        for (int k = Pick(rng, 0, 3); k > 0; --k)
            chars += PickOf(rng, {'a', 'A', 'b', '*', '\xe1'});
        bool caseSensitive = Pick(rng, 0, 1) == 1;
        ASSERT_EQ(CharCount(text, chars, caseSensitive),
                  literal::CharCount(text, chars, caseSensitive))
            << '"' << text << "\" \"" << chars << "\" " << caseSensitive;
    }
}

TEST(Differential, AdversarialListsAndRacks) {
    std::mt19937 rng(2024);
    const char* pieces[] = {"a",  "e",   "t",   "s",   "T",    "E",    "A",   "'",   "-",
                            " ",  "q",   "z",   "x",   "\xe9", "\xff", "tea", "eat", "\t",
                            "\r", "ATE", "eee", "eEe", "SSSS", "tet",  "zaq"};
    const char* ends[] = {"\r\n", "\n", "\r\n", "\n\n", "\r\n\r\n"};
    for (int n = 0; n < 200; ++n) {
        std::string file;
        // Up to some hundreds of words, so that sets of words span several blocks.
        for (int line = Pick(rng, 0, 1) ? Pick(rng, 0, 20) : Pick(rng, 60, 300); line > 0; --line) {
            // Mostly short words; some of about 63 characters, the longest
            // length a word is filed under before it counts as long.
            const int pieceCount = Pick(rng, 0, 9) == 0 ? Pick(rng, 25, 40) : Pick(rng, 0, 5);
            for (int k = 0; k < pieceCount; ++k)
                file += PickOf(rng, pieces);
            if (line > 1 || Pick(rng, 0, 1) == 1) // sometimes no line end after the last line
                file += PickOf(rng, ends);
        }
        if (Pick(rng, 0, 3) == 0 && !file.empty()) // duplicated lines
            file += file;
        BothLists list = LoadBoth(file);
        ASSERT_EQ(list.program->WordCount(), static_cast<std::int32_t>(list.words.size()));
        for (std::int32_t i = 0; i < list.program->WordCount(); ++i)
            ASSERT_EQ((*list.program)[i], list.words[static_cast<std::size_t>(i)]);
        for (int search = 0; search < 6; ++search)
            CompareSearches(list, rng, true);
    }
}

TEST(Differential, ShippedListsOnRandomRacks) {
    std::mt19937 rng(99);
    for (const char* name : {"standard.txt", "extended.txt"}) {
        const BothLists& list = ShippedList(name);
        ASSERT_GT(list.words.size(), 100000u) << name;
        for (int n = 0; n < 150; ++n)
            CompareSearches(list, rng, false);
    }
}

// The sorts alone, on tables whose keys tie often, never, or come pre-ordered.
TEST(Differential, SortsOnRandomTables) {
    std::mt19937 rng(31337);
    std::vector<std::string> words;
    for (int n = 0; n < 400; ++n) {
        std::string w;
        for (int k = Pick(rng, 0, 3); k > 0; --k)
            w += PickOf(rng, {'a', 'b', 'B', '\xe9', ' '});
        words.push_back(w);
    }
    for (int n = 0; n < 600; ++n) {
        const int size = PickOf(rng, {0, 1, 2, 3, 5, 8, 20, 60, 300, 1500});
        const int kind = Pick(rng, 0, 3); // 0 ties, 1 all different, 2 ascending, 3 descending
        const int routine = Pick(rng, 1, 3);
        std::vector<FoundRow> table;
        for (int r = 0; r < size; ++r) {
            std::int64_t key = kind == 0   ? Pick(rng, -2, 3)
                               : kind == 1 ? std::int64_t{r} * 7919 % 10007 - 5000
                               : kind == 2 ? r / Pick(rng, 1, 3)
                                           : -r;
            if (Pick(rng, 0, 9) == 0)
                key *= std::int64_t{1} << 33;
            FoundRow row;
            row.word = words[static_cast<std::size_t>(Pick(rng, 0, 399))];
            row.score = key;
            row.length = kind == 1 ? r : Pick(rng, 0, 4);
            if (routine == 1) { // equal words make identical rows, as in a search
                row.score = static_cast<std::int64_t>(std::hash<std::string_view>{}(row.word) % 97);
                row.length = static_cast<std::int32_t>(row.word.size());
            }
            table.push_back(row);
        }
        std::shuffle(table.begin(), table.begin() + (kind < 2 ? size : 0), rng);
        const auto numEls = static_cast<std::int32_t>(size > 0 ? Pick(rng, -1, size - 1) : -1);
        const bool descending = Pick(rng, 0, 1) == 1;
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
