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
    auto text = [](const literal::TextTable& t, std::size_t r) {
        return r < t.size() ? t[r].word + "|" + t[r].score + "|" + t[r].length : "no row";
    };
    for (std::size_t r = 0; r < std::max(actual.size(), expected.size()); ++r)
        if (text(actual, r) != text(expected, r))
            return ::testing::AssertionFailure()
                   << "row " << r << ": " << text(actual, r) << " where " << text(expected, r)
                   << " was expected";
    return ::testing::AssertionSuccess();
}

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// anagrove-find run in-process, finding the shipped lists beside the built programs.
struct FindRun {
    int status = -1;
    std::string out, err;
};
inline FindRun Find(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = anagrove::cli::RunFindCommand(args, ANAGROVE_BIN_DIR, out, err);
    return {status, out.str(), err.str()};
}

// A fresh directory for the files of one test, removed with them.
struct ScratchDir {
    std::string pattern = std::filesystem::temp_directory_path() / "anagrove-XXXXXX";
    std::filesystem::path path = ::mkdtemp(pattern.data()) ? pattern : "/nonexistent";
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }
};

} // namespace testing_support
