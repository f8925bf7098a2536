#pragma once
// Small helpers shared by the test executables.

#include "reference/literal_search.h"
#include "search/found_words.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

// The program's rows as the three texts of each row.
inline literal::TextTable TextTableOf(const anagrove::FoundWords& found) {
    literal::TextTable table;
    for (const auto& row : found.rows)
        table.push_back(
            {std::string(row.word), anagrove::ScoreField(row), anagrove::LengthField(row)});
    return table;
}

// Equal tables, or the first row where they part.
inline ::testing::AssertionResult SameTable(const literal::TextTable& actual,
                                            const literal::TextTable& expected) {
    auto text = [](const literal::TextRow& r) {
        return "[" + r.word + "|" + r.score + "|" + r.length + "]";
    };
    for (std::size_t r = 0; r < actual.size() && r < expected.size(); ++r)
        if (!(actual[r] == expected[r]))
            return ::testing::AssertionFailure()
                   << "row " << r << ": " << text(actual[r]) << " where " << text(expected[r])
                   << " was expected";
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " rows where " << expected.size() << " were expected";
    return ::testing::AssertionSuccess();
}

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string TestData(const std::string& name) {
    return std::string(ANAGROVE_TEST_DATA) + "/" + name;
}

} // namespace testing_support
