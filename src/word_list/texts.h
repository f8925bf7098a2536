#pragma once
// The texts of loading a word list: the status texts, and the note on words
// left out.

#include "word_list/tile_list.h"
#include "word_list/word_list.h"

#include <cstdint>
#include <string>

namespace anagrove {

// The status text shown while a list loads.
[[nodiscard]] const char* LoadingStatusText(WordListKind kind);
// Says that the words of a list beyond the capacity were left out.
[[nodiscard]] std::string LeftOutWordsText(const std::string& path, std::int64_t dropped);
// Says how many words of a tile list were left out, and why; empty when none
// but empty lines were: "2 words of the list L were left out: 1 not Español
// tiles, 1 over 63 tiles".
[[nodiscard]] std::string TileWordsLeftOutText(const std::string& list, const LeftOutWords& left,
                                               const std::string& languageName);

} // namespace anagrove
