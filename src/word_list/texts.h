#pragma once
// The texts of loading a word list: the status texts, and the note on words
// left out.

#include "word_list/word_list.h"

#include <cstdint>
#include <string>

namespace anagrove {

// The status text shown while a list loads.
[[nodiscard]] const char* LoadingStatusText(WordListKind kind);
// Says that the words of a list beyond the capacity were left out.
[[nodiscard]] std::string LeftOutWordsText(const std::string& path, std::int64_t dropped);

} // namespace anagrove
