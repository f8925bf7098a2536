#pragma once
// The texts made from anagrove-find's option table: its --help, and its bash
// completion script.

#include <string>

namespace anagrove::cli {

[[nodiscard]] std::string FindUsageText();

// The bash completion of anagrove-find: an option's words after it, file
// names (and "-") after --word-list, and the long options in place of an
// argument that begins with "-".
[[nodiscard]] std::string FindCompletionScript();

} // namespace anagrove::cli
