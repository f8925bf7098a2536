#pragma once
// How handing a lookup address or the help page to the desktop went.

#include <cstdint>

namespace anagrove {

// How the shell's "open" operation went.
struct OpenResult {
    enum class Outcome { success, no_association, failure };
    Outcome outcome = Outcome::success;
    long code = 0; // the failure's number: an exit status or an error number

    bool operator==(const OpenResult&) const = default;
};

// Windows' SE_ERR_NOASSOC: no program is associated with the document's type.
inline constexpr std::intptr_t kShellNoAssociation = 31;

// The outcome of the value that Windows' ShellExecute returns: above 32 it
// succeeded; kShellNoAssociation is that no program is associated; any other
// value is a failure with that number.
[[nodiscard]] OpenResult ShellExecuteOutcome(std::intptr_t result);

} // namespace anagrove
