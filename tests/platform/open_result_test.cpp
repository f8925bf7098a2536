// What the shell's "open" reports, as the outcome the window acts on.

#include "lookup/open_result.h"

#include <gtest/gtest.h>

namespace {

using namespace anagrove;
using Outcome = OpenResult::Outcome;

TEST(OpenResult, ShellExecuteAbove32SucceedsAnd31HasNoAssociation) {
    struct Row {
        const char* name;
        std::intptr_t result;
        OpenResult outcome;
    };
    const Row rows[] = {
        {"a_process_handle", 0x7ff6'1234'0000, {Outcome::success, 0}},
        {"the_least_success", 33, {Outcome::success, 0}},
        {"no_association", 31, {Outcome::no_association, 0}},
        {"a_dll_missing", 32, {Outcome::failure, 32}},
        {"association_incomplete", 27, {Outcome::failure, 27}},
        {"file_not_found", 2, {Outcome::failure, 2}},
        {"access_denied", 5, {Outcome::failure, 5}},
        {"out_of_memory", 0, {Outcome::failure, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ShellExecuteOutcome(row.result), row.outcome) << row.name;
}

} // namespace
