// The search and the sorts against the literal rendering of their steps, on
// random racks, limits, letter values and word lists (the worked examples of
// the search are anagrove-find's).

#include "app/search_request.h"
#include "search/blank_letters.h"
#include "search/board_letters.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <random>

namespace {

using namespace anagrove;

std::mt19937 rng(2024);
void (*const kSorts[])(std::vector<FoundRow>&, std::int32_t, bool) = {SortByScore, SortByLength};
void (*const kLiteralSorts[])(literal::TextTable&, std::int32_t, bool) = {literal::QuickSort2,
                                                                          literal::QuickSort3};

int Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}
template <class T, std::size_t N> T PickOf(const T (&choices)[N]) {
    return choices[static_cast<std::size_t>(Pick(0, static_cast<int>(N) - 1))];
}

// Equal tables, or the first row where they part.
::testing::AssertionResult SameTable(const FoundWords& found, const literal::TextTable& expected) {
    literal::TextTable actual;
    for (const FoundRow& row : found.rows)
        actual.push_back({std::string(row.word), ScoreField(row), LengthField(row)});
    const auto r = std::ranges::mismatch(actual, expected).in1 - actual.begin();
    auto text = [r = r](const literal::TextTable& t) {
        return r < std::ssize(t) ? t[r].word + "|" + t[r].score + "|" + t[r].length : "no row";
    };
    return (actual == expected ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << "row " << r << ": " << text(actual) << " where " << text(expected) << " was expected";
}

// Letters of a word of the list and some at random, in mixed case, with blanks
// (fewer for the shipped lists, to keep their tables to some thousand rows)
// and, for the adversarial lists, characters that are no letters.
std::string RandomRack(const std::vector<std::string>& words, bool adversarial) {
    std::string rack =
        words.empty() || Pick(0, 2) == 0 ? "" : words[Pick(0, int(words.size()) - 1)];
    for (int n = Pick(0, 4); n > 0; --n)
        rack += adversarial && Pick(0, 2) == 0 ? PickOf({' ', '\'', '-', '9', '\xe9', 'A', 'Z'})
                                               : static_cast<char>('a' + Pick(0, 25));
    rack += std::string(PickOf({0, 0, 0, 1, 1, 2, 3, 4, 6}) / (adversarial ? 1 : 3), '*');
    for (char& c : rack)
        if (c >= 'a' && c <= 'z' && Pick(0, 4) == 0)
            c = static_cast<char>(c - 'a' + 'A');
    std::shuffle(rack.begin(), rack.end(), rng);
    return rack.empty() ? "*" : rack;
}

// One search on both sides with random limits and letter values, then a chain
// of sorts of part or all of the rows either way, comparing the whole table
// each time. Adversarial searches also take limits around 63 letters, where the
// program's long words begin.
void CompareSearches(const std::shared_ptr<const WordList>& list,
                     const std::vector<std::string>& words, bool adversarial) {
    const double base = adversarial && Pick(0, 3) == 0 ? 61 : 0;
    const literal::Limits limits{base + PickOf({-1.0, 0.0, 1.0, 2.0, 2.5, 3.0, 4.75}),
                                 base + PickOf({0.0, 1.5, 3.0, 4.5, 6.0, 8.0}), Pick(0, 5) == 0,
                                 Pick(0, 6) == 0};
    const std::string rack = RandomRack(words, adversarial);
    const SearchRequest request(rack, std::to_string(limits.minimum),
                                std::to_string(limits.maximum), limits.noMaximum, limits.anagram,
                                static_cast<SortOrder>(Pick(1, 3)));
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max(), kMin = -kMax - 1;
    LetterPoints points{}; // small values that tie often, values near the 32-bit ends, or any
    for (const int kind = Pick(0, 2); auto& v : points)
        v = kind == 0   ? Pick(-3, 12)
            : kind == 1 ? PickOf({kMax, kMax - 3, kMin, kMin + 2})
                        : Pick(kMin, kMax);
    SCOPED_TRACE("rack \"" + rack + "\" limits " + request.minimumText + " " + request.maximumText +
                 (limits.noMaximum ? " noMaximum" : "") + (limits.anagram ? " anagram" : "") +
                 " A=" + std::to_string(points[0]) + " order " +
                 std::to_string(int(request.order)));
    const auto programLimits = *ReadSearchLimits(request);
    literal::Found expected = literal::findwords(rack, limits, words, points);
    SearchOutcome outcome = RunSearch(request, programLimits, list, points);
    ASSERT_EQ(outcome.found.matched, expected.matched);
    const bool sortable = expected.rows.size() <= 3000; // the literal sort is quadratic in order
    if (sortable)
        literal::SortByOption(expected.rows, static_cast<int>(request.order));
    ASSERT_TRUE(SameTable(sortable ? outcome.found : FindWords(rack, programLimits, list, points),
                          expected.rows));
    for (int step = 0; sortable && step < 3; ++step) {
        const int routine = Pick(0, 1);
        const bool descending = Pick(0, 1) == 1;
        const auto lastRow = static_cast<std::int32_t>(Pick(-1, int(expected.rows.size()) - 1));
        kSorts[routine](outcome.found.rows, lastRow, descending);
        kLiteralSorts[routine](expected.rows, lastRow, descending);
        ASSERT_TRUE(SameTable(outcome.found, expected.rows))
            << "after the sort by " << (routine == 0 ? "score" : "length")
            << (descending ? " descending" : " ascending") << " to row " << lastRow;
    }
}

// Board letters cut from a word of the list, or at random: a pattern, or some
// of starts, ends and contains, which may overlap; or none.
literal::Board RandomBoard(const std::vector<std::string>& words) {
    std::string source;
    for (char c : words.empty() ? std::string() : words[Pick(0, int(words.size()) - 1)])
        if (std::isalpha(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 128)
            source += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (source.empty() || Pick(0, 4) == 0)
        for (int n = Pick(1, 3); n > 0; --n)
            source += PickOf({'a', 'e', 't', 's', 'q'});
    const int size = static_cast<int>(source.size());
    auto piece = [&](int from, int to) { return source.substr(from, to - from); };
    const int cut = Pick(0, size), cut2 = Pick(cut, size);
    literal::Board board;
    switch (Pick(0, 5)) {
    case 0:
        board.pattern = source;
        for (char& c : board.pattern)
            c = Pick(0, 1) ? '.' : c;
        break;
    case 1:
        board.starts = piece(0, std::max(cut, 1));
        break;
    case 2:
        board.ends = piece(std::min(cut, size - 1), size);
        break;
    case 3:
        board.contains = piece(std::min(cut, size - 1), std::max(cut2, cut + 1));
        break;
    case 4: // often overlapping or repeated
        board.starts = Pick(0, 1) ? piece(0, Pick(1, size)) : "";
        board.ends = Pick(0, 1) ? piece(Pick(0, size - 1), size) : "";
        board.contains = Pick(0, 1) ? PickOf({"e", "t", "ea", "ss"}) : "";
        break;
    default:
        break;
    }
    return board;
}

// A search with board letters on both sides, in list order and sorted, with
// the blank letters and the blank-zero score of every row.
void CompareBoardSearches(const std::shared_ptr<const WordList>& list,
                          const std::vector<std::string>& words, bool adversarial) {
    const literal::Limits limits{PickOf({0.0, 1.0, 2.0, 3.5}), PickOf({2.0, 4.5, 8.0}),
                                 Pick(0, 3) == 0, Pick(0, 3) == 0};
    const std::string rack = RandomRack(words, adversarial);
    const literal::Board b = RandomBoard(words);
    const BoardLetters board{b.starts, b.ends, b.contains, b.pattern};
    LetterPoints points{};
    for (auto& v : points)
        v = Pick(-3, 12);
    SCOPED_TRACE("rack \"" + rack + "\" starts " + b.starts + " ends " + b.ends + " contains " +
                 b.contains + " pattern " + b.pattern + (limits.noMaximum ? " noMaximum" : "") +
                 (limits.anagram ? " anagram" : "") + " min " + std::to_string(limits.minimum) +
                 " max " + std::to_string(limits.maximum));
    const SearchLimits programLimits{limits.minimum, limits.maximum, limits.noMaximum,
                                     limits.anagram};
    const literal::BoardFound expected = literal::findwordsOnBoard(rack, limits, b, words, points);
    FoundWords found = board.Any() ? FindWithBoard(rack, programLimits, board, list, points)
                                   : FindWords(rack, programLimits, list, points);
    ASSERT_EQ(found.matched, expected.found.matched);
    ASSERT_TRUE(SameTable(found, expected.found.rows));
    const LetterCounts typed = CountTypedLetters(rack);
    for (std::size_t r = 0; r < found.rows.size(); ++r) {
        const std::string_view word = found.rows[r].word;
        const std::optional<std::string> part = RackPart(word, board);
        ASSERT_TRUE(part.has_value()) << word;
        const BlankUse use = BlankUseOf(word, *part, typed, points);
        ASSERT_EQ((literal::BlankRow{use.letters, use.scoreBlanksZero}), expected.blankRows[r])
            << word;
    }
    if (expected.found.rows.size() > 3000)
        return;
    const SearchRequest request(rack, "", "", limits.noMaximum, limits.anagram,
                                static_cast<SortOrder>(Pick(1, 3)));
    literal::TextTable sorted = expected.found.rows;
    literal::SortByOption(sorted, static_cast<int>(request.order));
    ASSERT_TRUE(SameTable(ListFound(request, std::move(found)).found, sorted));
}

// A list of up to some hundreds of words, so that word sets span several
// blocks: mostly short words, some around 63 characters, mixed line ends,
// sometimes no line end after the last line, sometimes twice over.
std::string RandomList() {
    const std::string_view pieces[] = {"a",    "e",    "t",   "s",   "T",      "E",   "A",
                                       "'",    "-",    " ",   "q",   "z",      "x",   "\xe9",
                                       "\xff", "tea",  "eat", "\t",  "\r",     "ATE", "eee",
                                       "eEe",  "SSSS", "tet", "zaq", {"\0", 1}};
    std::string file;
    for (int line = Pick(0, 1) ? Pick(0, 20) : Pick(60, 300); line > 0; --line) {
        for (int k = Pick(0, 9) == 0 ? Pick(25, 40) : Pick(0, 5); k > 0; --k)
            file += PickOf(pieces);
        if (line > 1 || Pick(0, 1) == 1)
            file += PickOf({"\r\n", "\n", "\r\n", "\n\n", "\r\n\r\n"});
    }
    return Pick(0, 3) == 0 ? file + file : file;
}

// 200 adversarial lists with 6 searches each, then the shipped lists with 150.
TEST(Differential, AdversarialAndShippedLists) {
    for (int n = 0; n < 202; ++n) {
        const bool adversarial = n < 200;
        const std::string file = adversarial
                                     ? RandomList()
                                     : testing_support::Shipped(n == 200 ? "standard" : "extended");
        const std::vector<std::string> words = literal::CutLines(file);
        const auto list = std::make_shared<const WordList>(TakeWordList(std::string(file)));
        ASSERT_EQ(list->WordCount(), static_cast<std::int32_t>(words.size()));
        for (std::int32_t i = 0; i < list->WordCount(); ++i)
            ASSERT_EQ((*list)[i], words[static_cast<std::size_t>(i)]);
        for (int search = 0; search < (adversarial ? 6 : 150); ++search)
            CompareSearches(list, words, adversarial);
        for (int search = 0; search < (adversarial ? 6 : 25); ++search)
            CompareBoardSearches(list, words, adversarial);
    }
}

} // namespace
