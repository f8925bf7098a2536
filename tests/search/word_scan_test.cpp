// A list's first search reads the words themselves, later ones use the index
// built on first use; neither may change what a search finds.

#include "app/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>

namespace {

using namespace anagrove;

// Random lists of letters, repeats, other bytes (some words longer than 63
// bytes, in which only a few bytes are letters) and mixed line ends.
std::string RandomList(std::mt19937& rng) {
    const std::string dashes(58, '-');
    const std::string_view pieces[] = {"a",    "e",  "t",   "s",    "T",    "E",
                                       "q",    "z",  "x",   "'",    "\xe9", "eee",
                                       "SSSS", "tE", "tea", "rest", "\r",   dashes};
    std::string file;
    for (int line = std::uniform_int_distribution(0, 400)(rng); line > 0; --line) {
        for (int k = std::uniform_int_distribution(0, 6)(rng); k > 0; --k)
            file += pieces[std::uniform_int_distribution<std::size_t>(0, 17)(rng)];
        file += rng() % 2 ? "\r\n" : "\n";
    }
    return file;
}

template <class T, std::size_t N> T PickOf(std::mt19937& rng, const T (&choices)[N]) {
    return choices[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

// Up to eight tiles in either case, some no letters, and as many blanks as
// take each of the index's ways to rule words out.
std::string RandomRack(std::mt19937& rng) {
    std::string rack(PickOf(rng, {0, 0, 1, 2, 3, 4, 7, 12}), '*');
    for (int n = std::uniform_int_distribution(0, 8)(rng); n > 0; --n)
        rack += PickOf(rng, {'a', 'e', 't', 's', 'q', 'z', 'x', 'A', 'E', 'S', '\'', '-'});
    std::shuffle(rack.begin(), rack.end(), rng);
    return rack;
}

// The rows as shown: equal words may come in either order of their places.
std::vector<std::string> Table(const FoundWords& found) {
    std::vector<std::string> rows;
    for (const FoundRow& row : found.rows)
        rows.push_back(std::string(row.word) + "|" + std::to_string(row.score));
    return rows;
}

// A list's first search reads the words, later ones use the index; the
// alphabetical order of few rows is by the words until the list is ranked.
// Each way gives the same table, on random lists, racks, limits (around the
// long words' 63 too) and the anagram rule.
TEST(FirstUse, FirstSearchAndLaterSearchesAgree) {
    std::mt19937 rng(13);
    const LetterPoints& points = PresetTable(PointScheme::scrabble);
    for (int n = 0; n < 60; ++n) {
        const std::string file = RandomList(rng);
        const auto indexed = std::make_shared<const WordList>(TakeWordList(std::string(file)));
        (void)indexed->Index();
        (void)indexed->Ranks();
        for (int search = 0; search < 16; ++search) {
            const std::string rack = RandomRack(rng);
            const SearchLimits limits{PickOf(rng, {-1.0, 0.0, 2.0, 2.5, 4.0, 61.0, 63.0, 70.0}),
                                      PickOf(rng, {0.0, 3.0, 4.5, 8.0, 62.0, 64.0}), rng() % 4 == 0,
                                      rng() % 4 == 0};
            const auto order = static_cast<SortOrder>(1 + rng() % 3);
            const SearchRequest request{rack, "", "", limits.noMaximum, limits.anagram, order};
            const auto fresh = std::make_shared<const WordList>(TakeWordList(std::string(file)));
            const SearchOutcome first = RunSearch(request, limits, fresh, points);
            const SearchOutcome later = RunSearch(request, limits, indexed, points);
            SCOPED_TRACE("list " + std::to_string(n) + " rack \"" + rack + "\" limits " +
                         std::to_string(limits.minimum) + " " + std::to_string(limits.maximum) +
                         (limits.noMaximum ? " noMaximum" : "") +
                         (limits.anagram ? " anagram" : ""));
            ASSERT_FALSE(fresh->Indexed());
            ASSERT_EQ(Table(first.found), Table(later.found));
            ASSERT_EQ(first.found.matched, later.found.matched);
            // The same list searched again builds its index.
            ASSERT_EQ(Table(RunSearch(request, limits, fresh, points).found), Table(later.found));
            ASSERT_TRUE(fresh->Indexed());
        }
    }
}

// Threads that search a fresh list at once all find the same.
TEST(FirstUse, ConcurrentFirstSearches) {
    const SearchLimits limits{2, 8, false, false};
    const std::string file = testing_support::Shipped("standard");
    const auto list = std::make_shared<const WordList>(TakeWordList(std::string(file)));
    const auto expected = Table(FindWords(
        "retains*", limits, std::make_shared<const WordList>(TakeWordList(std::string(file))),
        PresetTable(PointScheme::scrabble)));
    ASSERT_FALSE(expected.empty());
    std::vector<std::vector<std::string>> results(4);
    std::vector<std::thread> threads;
    for (auto& result : results)
        threads.emplace_back([&list, &result, &limits] {
            result = Table(FindWords("retains*", limits, list, PresetTable(PointScheme::scrabble)));
        });
    for (auto& thread : threads)
        thread.join();
    for (const auto& result : results)
        EXPECT_EQ(result, expected);
}

} // namespace
