// Where the data files are found: beside the program, else in ../share/anagrove.

#include "app/data_files.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

using namespace anagrove;
using namespace testing_support;

TEST(DataFiles, BesideTheProgramElseInstalled) {
    struct Row {
        const char* name;
        bool beside;    // the file lies beside the program
        bool installed; // the file lies in ../share/anagrove
        bool expectInstalled;
    };
    const Row rows[] = {
        {"beside_only", true, false, false},
        {"both", true, true, false},
        {"installed_only", false, true, true},
        {"neither", false, false, false},
    };
    for (const Row& row : rows) {
        const ScratchDir dir;
        const auto bin = dir.path / "bin";
        const auto share = dir.path / "share" / "anagrove";
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(share);
        if (row.beside)
            std::ofstream(bin / "standard.txt") << "tea\n";
        if (row.installed)
            std::ofstream(share / "standard.txt") << "tea\n";
        const std::string expected =
            ((row.expectInstalled ? share : bin) / "standard.txt").string();
        EXPECT_EQ(DataFilePath(bin.string(), "standard.txt"), expected) << row.name;
        EXPECT_EQ(WordListPath(bin.string(), DictionaryKind::standard), expected) << row.name;
        EXPECT_EQ(IsInstalledCopy(bin.string()), row.expectInstalled) << row.name;
    }
}

} // namespace
