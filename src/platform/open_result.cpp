#include "lookup/open_result.h"

namespace anagrove {

OpenResult ShellExecuteOutcome(std::intptr_t result) {
    if (result > 32)
        return {OpenResult::Outcome::success, 0};
    if (result == kShellNoAssociation)
        return {OpenResult::Outcome::no_association, 0};
    return {OpenResult::Outcome::failure, static_cast<long>(result)};
}

} // namespace anagrove
