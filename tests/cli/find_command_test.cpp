// anagrove-find's exit status tells a script what went wrong: no word list,
// bad input, or results it could not write.

#include "cli/find_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace anagrove::cli;

TEST(FindCommand, EachFailureHasItsOwnExitStatus) {
    const std::string list = "tea\neat\nqi\n";
    const auto run = [&list](std::vector<std::string> args, bool writable) {
        std::istringstream in(list);
        std::ostringstream out;
        std::ostringstream err;
        if (!writable)
            out.setstate(std::ios::badbit); // as a full disk or a closed pipe leaves it
        return RunFindCommand(args, "/nonexistent", in, out, err);
    };
    EXPECT_EQ(run({"--word-list", "-", "tea"}, true), kExitFound);
    EXPECT_EQ(run({"--word-list", "-", "tea"}, false), kExitNotWritten);
    EXPECT_EQ(run({"--word-list", "-", "--check", "qi"}, false), kExitNotWritten);
    EXPECT_EQ(run({"--word-list", "-", "--check", "za"}, true), kExitNotInList);
    EXPECT_EQ(run({"tea"}, true), kExitNoWordList);
    EXPECT_EQ(run({"--min", "x", "tea"}, true), kExitBadInput);
}

} // namespace
