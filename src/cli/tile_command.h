#pragma once
// anagrove-find in a language other than English: the word list read in tiles.

#include "cli/find_options.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace anagrove::cli {

// Whether the options ask for a language in tiles: --language other than en,
// or a --word-list whose text (listText, when it was read) names its alphabet.
[[nodiscard]] bool SearchesInTiles(const FindOptions& o, const std::string* listText);

// Searches or checks words as the English command does, in the tiles of the
// language: listText is the --word-list file's text when it was read already.
[[nodiscard]] int RunInTiles(const FindOptions& o, const std::string& programDirectory,
                             std::optional<std::string> listText, std::istream& in,
                             std::ostream& out, std::ostream& err);

// One tab-separated line per shipped language: code, name, words, words left
// out, source, licence.
[[nodiscard]] int ListLanguages(const std::string& programDirectory, std::ostream& out,
                                std::ostream& err);

} // namespace anagrove::cli
