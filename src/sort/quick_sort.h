#pragma once
// The three orders of the result table.

#include "results/found_words.h"
#include "results/sort_mode.h"

#include <cstdint>
#include <vector>

namespace anagrove {

// Each routine orders rows 0 to numEls of arr in place (numEls is an index:
// -1 sorts nothing). Rows move as a whole.
//
// SortByScore orders by score, SortByLength by length. Their ties are visible, so
// they give exactly the order of the program's quicksort: last row as pivot,
// equal keys stop both scans, the shorter part goes on the stack.
void SortByScore(std::vector<FoundRow>& arr, std::int32_t numEls, bool descending = false);
void SortByLength(std::vector<FoundRow>& arr, std::int32_t numEls, bool descending = false);

// Sorts all rows of a search in the order of a sort option: alphabetical
// ascending, score and length descending.
void SortFound(FoundWords& found, SortMode mode);

} // namespace anagrove
