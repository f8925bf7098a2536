#pragma once
// Where the program finds its data files: the word lists and the help page.

#include "dictionary/word_list.h"

#include <string>

namespace anagrove {

// The path of a data file: beside the program, or, for an installed copy, in
// ../share/anagrove. When neither exists, the path beside the program.
[[nodiscard]] std::string DataFilePath(const std::string& programDirectory,
                                       const std::string& fileName);
// The path of a word list, found as DataFilePath finds any data file.
[[nodiscard]] std::string WordListPath(const std::string& programDirectory, DictionaryKind kind);
// Whether the program is an installed copy: its data files are not beside it
// but in ../share/anagrove.
[[nodiscard]] bool IsInstalledCopy(const std::string& programDirectory);

} // namespace anagrove
