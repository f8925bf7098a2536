#pragma once
// Loading a language: its alphabet and a word list in its tiles.

#include "alphabet/alphabet.h"
#include "base/expected.h"
#include "word_list/tile_list.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace anagrove {

struct LanguageFiles {
    std::shared_ptr<const Alphabet> alphabet;
    std::shared_ptr<const TileWordList> list;
};

// A shipped language's alphabet, or "cannot read the alphabet PATH: why".
[[nodiscard]] Expected<std::shared_ptr<const Alphabet>>
LoadAlphabet(const std::string& programDirectory, std::string_view code);

// A shipped language's alphabet and word list, or why not: "cannot read the
// word list PATH: why", or the alphabet's fault.
[[nodiscard]] Expected<LanguageFiles> LoadShippedLanguage(const std::string& programDirectory,
                                                          std::string_view code);

// A list file's text (a player's own list) read with the alphabet its first
// line names ("#alphabet es"), else with code; or why not: "names no alphabet", "names the alphabet
// "xx", which is not one of the languages", or the alphabet's fault.
[[nodiscard]] Expected<LanguageFiles> ReadLanguageList(const std::string& programDirectory,
                                                       std::string_view listText,
                                                       std::optional<std::string_view> code);

} // namespace anagrove
