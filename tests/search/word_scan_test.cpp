// A list's first search reads the words themselves, later ones use the index
// built on first use; neither may change what a search finds.

#include "app/search_request.h"
#include "support.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

namespace {

using namespace anagrove;

// Random lists of letters, repeats, other bytes and mixed line ends, with
// the words in random order.
std::string RandomList(std::mt19937& rng) {
    const std::string_view pieces[] = {"a", "e", "t",    "s",   "T",    "E",   "q",    "z",
                                       "x", "'", "\xe9", "eee", "SSSS", "tea", "rest", "\r"};
    std::string file;
    for (int line = std::uniform_int_distribution(0, 400)(rng); line > 0; --line) {
        for (int k = std::uniform_int_distribution(0, 6)(rng); k > 0; --k)
            file += pieces[std::uniform_int_distribution<std::size_t>(0, 15)(rng)];
        file += rng() % 2 ? "\r\n" : "\n";
    }
    return file;
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
// Each way gives the same table.
TEST(FirstUse, FirstSearchAndLaterSearchesAgree) {
    std::mt19937 rng(13);
    const char* racks[] = {"tea", "TEAS",  "qzjx", "rest*",  "e*",   "**",
                           "***", "*****", "z'",   "eeeeee", "ssss*"};
    for (int n = 0; n < 60; ++n) {
        const std::string file = RandomList(rng);
        const auto indexed = std::make_shared<const WordList>(LoadWordList(file));
        (void)indexed->Index();
        (void)indexed->Ranks();
        for (const char* rack : racks) {
            const SearchLimits limits{static_cast<double>(rng() % 3), 5, rng() % 2 == 0,
                                      rng() % 5 == 0};
            const auto mode = static_cast<SortMode>(1 + rng() % 3);
            const SearchRequest request{rack, "", "", limits.nomax, limits.anagram, mode};
            const LetterPoints& points = PresetTable(PointScheme::scrabble);
            const auto fresh = std::make_shared<const WordList>(LoadWordList(file));
            const SearchOutcome first = RunSearch(request, limits, fresh, points);
            const SearchOutcome later = RunSearch(request, limits, indexed, points);
            ASSERT_FALSE(fresh->Indexed()) << rack;
            ASSERT_EQ(Table(first.found), Table(later.found)) << rack << " " << n;
            ASSERT_EQ(first.found.matched, later.found.matched);
            // The same list searched again builds its index.
            ASSERT_EQ(Table(RunSearch(request, limits, fresh, points).found), Table(later.found));
            ASSERT_TRUE(fresh->Indexed());
        }
    }
}

// Threads that search a fresh list at once all find the same.
TEST(FirstUse, ConcurrentFirstSearches) {
    const std::string file = testing_support::Shipped("standard");
    const auto list = std::make_shared<const WordList>(LoadWordList(file));
    const auto expected =
        Table(FindWords("retains*", {}, std::make_shared<const WordList>(LoadWordList(file)),
                        PresetTable(PointScheme::scrabble)));
    std::vector<std::vector<std::string>> results(4);
    std::vector<std::thread> threads;
    for (auto& result : results)
        threads.emplace_back([&list, &result] {
            result = Table(FindWords("retains*", {}, list, PresetTable(PointScheme::scrabble)));
        });
    for (auto& thread : threads)
        thread.join();
    for (const auto& result : results)
        EXPECT_EQ(result, expected);
}

} // namespace
