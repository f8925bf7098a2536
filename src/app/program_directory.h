#pragma once
// Where the program finds its word lists.

#include "dictionary/word_list.h"

#include <string>

namespace anagrove {

// The directory that holds the running executable (empty if it cannot be told).
[[nodiscard]] std::string ExecutableDirectory();

// The path of a word list: beside the program, or, for an installed copy, in
// ../share/anagrove. When neither exists, the path beside the program.
[[nodiscard]] std::string WordListPath(const std::string& programDirectory, DictionaryKind kind);

} // namespace anagrove
