#pragma once
// How handing a lookup address or the help page to the desktop went, and how
// Windows' shell reports it.

#include <cstdint>

namespace anagrove {

// How the shell's "open" operation went.
struct OpenResult {
    enum class Outcome { success, no_association, failure };
    Outcome outcome = Outcome::success;
    long code = 0; // the failure's number: an exit status or an error number

    bool operator==(const OpenResult&) const = default;
};

// The outcome of the value that Windows' ShellExecute returns: above 32 it
// succeeded; SE_ERR_NOASSOC (31) is that no program is associated with the
// document's type; any other value is a failure with that number. Pure, so
// that it is tested on every system.
[[nodiscard]] OpenResult ShellExecuteOutcome(std::intptr_t result);

} // namespace anagrove
