// Where the data files are found: beside the program, else in ../share/anagrove;
// where the settings are kept: beside a built or portable copy, else in the
// user's settings folder.

#include "app/data_files.h"
#include "app/settings.h"
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
        EXPECT_EQ(WordListPath(bin.string(), WordListKind::standard), expected) << row.name;
        EXPECT_EQ(IsInstalledCopy(bin.string()), row.expectInstalled) << row.name;
    }
}

TEST(DataFiles, SettingsBesideABuiltOrPortableCopyElseInTheUserFolder) {
    struct Row {
        const char* name;
        SettingsPlaceFacts facts; // installed layout, marker, marker needed, folder writable
        bool beside;
    };
    const Row rows[] = {
        {"built_copy", {false, false, false, true}, true},
        {"built_copy_in_a_folder_it_cannot_write", {false, false, false, false}, false},
        {"installed_under_share", {true, false, false, true}, false},
        {"installed_under_share_with_a_marker", {true, true, false, true}, false},
        {"a_marker_where_none_is_needed", {false, true, false, true}, true},
        {"windows_installed", {false, false, true, true}, false},
        {"windows_portable", {false, true, true, true}, true},
        {"windows_portable_in_a_folder_it_cannot_write", {false, true, true, false}, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SettingsBesideProgram(row.facts), row.beside) << row.name;

    // On this system, a copy in a folder of its own with its lists and the
    // marker is portable.
    const ScratchDir dir;
    dir.File("standard.txt", "tea\r\n");
    dir.File(kPortableMarkerName, "");
    EXPECT_EQ(SettingsFilePath(dir.path.string()), (dir.path / kSettingsFileName).string());
}

} // namespace
