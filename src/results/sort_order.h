#pragma once
// The orders the result table can be shown in.

#include "base/word_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace anagrove {

// Which order the results are shown in; the values are those of the sort options.
enum class SortOrder : std::int32_t { alpha = 1, score = 2, length = 3 };

// The word of an order in the settings file and on the command line, in the
// order of the sort options.
template <> struct EnumWords<SortOrder> {
    static constexpr WordTable<SortOrder, 3> table{
        {{SortOrder::alpha, "alpha"}, {SortOrder::score, "score"}, {SortOrder::length, "length"}}};
};

} // namespace anagrove
