#pragma once
// Small helpers shared by the test executables.

#include "cli/find_command.h"
#include "reference/literal_search.h"
#include "search/found_words.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
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
    for (std::size_t r = 0; r < actual.size() && r < expected.size(); ++r)
        if (!(actual[r] == expected[r]))
            return ::testing::AssertionFailure()
                   << "row " << r << ": [" << actual[r].word << "|" << actual[r].score << "|"
                   << actual[r].length << "] where [" << expected[r].word << "|"
                   << expected[r].score << "|" << expected[r].length << "] was expected";
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

// anagrove-find run in-process beside the built shipped lists.
struct FindRun {
    int status = -1;
    std::string out, err;
};
inline FindRun Find(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = anagrove::cli::RunFindCommand(args, ANAGROVE_BIN_DIR, out, err);
    return {status, out.str(), err.str()};
}

// A fresh directory under the temporary directory, removed with everything in it.
struct ScratchDir {
    std::filesystem::path path;
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "anagrove-XXXXXX");
        path = ::mkdtemp(pattern.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

} // namespace testing_support
