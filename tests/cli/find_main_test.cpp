// The built anagrove-find takes what the system hands it the same way on
// every system: its own folder and the paths in its arguments beyond ASCII,
// and its standard input byte for byte.

#include "support.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

TEST(FindMain, PathsBeyondAsciiAndStandardInputAsBytes) {
    const ScratchDir dir;
    const auto zoe = dir.path / Utf8Path("Zo\xc3\xab \xe2\x9c\x93");
    std::filesystem::create_directory(zoe);
    for (const char* name : {kFindProgram, "standard.txt"})
        std::filesystem::copy_file(Utf8Path(BinDir()) / name, zoe / name);
    // Its standard list, found beside itself.
    EXPECT_EQ(
        FindBuilt(dir, "--anagram quiz", "", Utf8Text(zoe)),
        Printed({0, "quiz (22)\n", Status(1, literal::CutLines(Shipped("standard")).size())}));
    // A list named in its arguments, and the same on standard input, where
    // Windows would end a text at the Ctrl+Z.
    std::ofstream(zoe / "list.txt", std::ios::binary) << "tea\r\n\x1a\r\neat\r\n";
    const FindRun found = Printed({0, "eat (3)\ntea (3)\n", Status(2, 3)});
    EXPECT_EQ(FindBuilt(dir, "--word-list \"" + Utf8Text(zoe / "list.txt") + "\" tea"), found);
    EXPECT_EQ(FindBuilt(dir, "--word-list - tea", FileBytes(zoe / "list.txt")), found);
}

} // namespace
