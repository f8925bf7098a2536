#pragma once
// Letter values and the point schemes that provide them.

#include "base/word_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace anagrove {

// Active letter values, index 0 = A to 25 = Z.
using LetterPoints = std::array<std::int32_t, 26>;
// The user's own values as text, A to Z, in the form the editor stores.
using CustomPoints = std::array<std::string, 26>;

enum class PointScheme { scrabble, literati, wordmojo, custom };

// The settings-file word of a scheme ("scrabble", ...).
[[nodiscard]] const char* PointSchemeWord(PointScheme scheme);
// The scheme stored under a word; nothing for an unknown word (exact, case-sensitive).
[[nodiscard]] std::optional<PointScheme> PointSchemeFromWord(std::string_view word);
// Every scheme with its word.
[[nodiscard]] std::span<const NamedValue<PointScheme>> PointSchemeWords();

// The fixed table of a preset scheme; all zeros for custom, which has none.
[[nodiscard]] const LetterPoints& PresetTable(PointScheme scheme);

} // namespace anagrove
