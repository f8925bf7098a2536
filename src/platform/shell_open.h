#pragma once
// The Windows shell's "open" operation. Windows only: elsewhere the desktop's
// opener is run as a program.

#include "platform/open_result.h"

#include <string>

namespace anagrove {

// Hands a web address or a file (UTF-8) to the program the user has chosen for
// it, through ShellExecuteW with the verb "open". It may wait for the handler
// to start: call it on a thread of its own, which it readies for COM (as
// ShellExecuteW requires) for the time of the call.
[[nodiscard]] OpenResult ShellOpen(const std::string& document);

} // namespace anagrove
