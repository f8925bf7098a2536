#pragma once
// The points of a word.

#include "points/letter_points.h"

#include <cstdint>
#include <string_view>

namespace anagrove {

// The sum of the values of the word's letters (a-z and A-Z alike); other
// characters score nothing. Computed in 64 bits, so no values overflow it.
[[nodiscard]] std::int64_t WordScore(std::string_view word, const LetterPoints& points);

} // namespace anagrove
