#pragma once
// The desktop program's own options, answered before any window opens, so that
// they work without a display. Qt reads the rest (-platform, -style, ...).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace anagrove::ui {

// --version or -h/--help among the arguments after the program name: writes the
// answer to out and returns the exit status. Otherwise nothing, and the window opens.
[[nodiscard]] std::optional<int> AnswerCommandLine(const std::vector<std::string>& args,
                                                   std::ostream& out);

} // namespace anagrove::ui
