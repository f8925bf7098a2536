#pragma once
// The orders the result table can be shown in.

#include "base/word_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace anagrove {

// Which order the results are shown in; the values are those of the sort options.
enum class SortMode : std::int32_t { alpha = 1, score = 2, length = 3 };

// The word of an order in the settings file and on the command line ("alpha",
// "score", "length").
[[nodiscard]] const char* SortModeWord(SortMode mode);
// The order of a word; nothing for any other word (exact, case-sensitive).
[[nodiscard]] std::optional<SortMode> SortModeFromWord(std::string_view word);
// Every order with its word, in the order of the sort options.
[[nodiscard]] std::span<const NamedValue<SortMode>> SortModeWords();

} // namespace anagrove
