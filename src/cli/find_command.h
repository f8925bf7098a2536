#pragma once
// anagrove-find's whole run, from its arguments to its output and exit status.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace anagrove::cli {

inline constexpr int kExitFound = 0;
inline constexpr int kExitNoWordList = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitNotInList = 3;  // --check: some word is not in the list
inline constexpr int kExitNotWritten = 4; // the results could not be written, or an internal fault

// Runs the command with the arguments after its name: the result list's items
// go to out, the status text and every complaint to err. The shipped word
// lists are looked for in programDirectory. Never throws.
[[nodiscard]] int RunFindCommand(const std::vector<std::string>& args,
                                 const std::string& programDirectory, std::ostream& out,
                                 std::ostream& err);
// The same, reading a word list named "-" from in; the form above has no
// standard input.
[[nodiscard]] int RunFindCommand(const std::vector<std::string>& args,
                                 const std::string& programDirectory, std::istream& in,
                                 std::ostream& out, std::ostream& err);

} // namespace anagrove::cli
