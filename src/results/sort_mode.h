#pragma once
// The orders the result table can be shown in.

#include <cstdint>

namespace anagrove {

// Which order the results are shown in; the values are those of the sort options.
enum class SortMode : std::int32_t { alpha = 1, score = 2, length = 3 };

} // namespace anagrove
