// The sorts' worked examples of ties.

#include "sort/sort_found.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace anagrove;

// The worked examples of ties: rows of a word and a key (score or length),
// sorted descending; the other orders are anagrove-find's examples.
TEST(SortExamples, TiesFallWhereTheStepsPutThem) {
    struct Example {
        void (*sort)(std::vector<FoundRow>&, std::int32_t, bool);
        std::vector<std::pair<const char*, std::int64_t>> rows; // word and key
        std::string sorted;                                     // the words in their new order
    };
    const Example examples[] = {
        {SortByScore, {{"b", 1}, {"a", 1}}, "a b "},
        {SortByScore, {{"x", 2}, {"y", 2}, {"z", 2}}, "y z x "},
        {SortByScore,
         {{"dog", 5}, {"cat", 5}, {"emu", 5}, {"ox", 9}, {"bee", 5}},
         "ox emu bee cat dog "},
        {SortByLength,
         {{"dog", 3}, {"cat", 3}, {"emu", 3}, {"ox", 2}, {"bee", 3}},
         "emu bee cat dog ox "},
    };
    for (const auto& [sort, given, sorted] : examples) {
        std::vector<FoundRow> table;
        for (const auto& [word, key] : given)
            table.push_back({word, 0, std::int32_t(key), key});
        sort(table, std::int32_t(table.size()) - 1, true);
        std::string result;
        for (const FoundRow& row : table)
            result += std::string(row.word) + " ";
        EXPECT_EQ(result, sorted);
    }
}

} // namespace
