#include "platform/open_result.h"

namespace anagrove {

namespace {
constexpr std::intptr_t kLastShellError = 32;     // ShellExecute's errors are 0 to 32
constexpr std::intptr_t kShellNoAssociation = 31; // SE_ERR_NOASSOC
} // namespace

OpenResult ShellExecuteOutcome(std::intptr_t result) {
    if (result > kLastShellError)
        return {OpenResult::Outcome::success, 0};
    if (result == kShellNoAssociation)
        return {OpenResult::Outcome::no_association, 0};
    return {OpenResult::Outcome::failure, static_cast<long>(result)};
}

} // namespace anagrove
