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

// The word of a scheme in the settings file and on the command line.
template <> struct EnumWords<PointScheme> {
    static constexpr WordTable<PointScheme, 4> table{{{PointScheme::scrabble, "scrabble"},
                                                      {PointScheme::literati, "literati"},
                                                      {PointScheme::wordmojo, "wordmojo"},
                                                      {PointScheme::custom, "custom"}}};
};

// The schemes with a fixed table, in the order their columns are shown.
inline constexpr std::array<PointScheme, 3> kPresetSchemes{
    PointScheme::scrabble, PointScheme::literati, PointScheme::wordmojo};

// The fixed table of a preset scheme; all zeros for custom, which has none.
[[nodiscard]] const LetterPoints& PresetTable(PointScheme scheme);

} // namespace anagrove
