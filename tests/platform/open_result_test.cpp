// What the Windows shell's "open" reports, as the outcome the window acts on.

#include "platform/open_result.h"

#include <gtest/gtest.h>

namespace {

using namespace anagrove;
using Outcome = OpenResult::Outcome;

TEST(OpenResult, ShellExecuteAbove32SucceedsAnd31HasNoAssociation) {
    EXPECT_EQ(ShellExecuteOutcome(33), (OpenResult{Outcome::success, 0}));
    EXPECT_EQ(ShellExecuteOutcome(0x7ff6'1234'0000), (OpenResult{Outcome::success, 0}));
    EXPECT_EQ(ShellExecuteOutcome(32), (OpenResult{Outcome::failure, 32}));
    EXPECT_EQ(ShellExecuteOutcome(31), (OpenResult{Outcome::no_association, 0}));
    EXPECT_EQ(ShellExecuteOutcome(2), (OpenResult{Outcome::failure, 2}));
}

} // namespace
