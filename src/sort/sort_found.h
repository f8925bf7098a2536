#pragma once
// The three orders of the result table.

#include "results/found_words.h"
#include "results/sort_order.h"

#include <cstdint>
#include <vector>

namespace anagrove {

// Each orders rows 0 to lastRow in place (-1 sorts nothing); rows move as a
// whole. Ties are visible, so both give exactly the order of the program's
// quicksort: last row as pivot, equal keys stop both scans, the shorter part
// goes on the stack.
void SortByScore(std::vector<FoundRow>& rows, std::int32_t lastRow, bool descending = false);
void SortByLength(std::vector<FoundRow>& rows, std::int32_t lastRow, bool descending = false);

// Sorts all rows of a search in the order of a sort option: alphabetical
// ascending, score and length descending.
void SortFound(FoundWords& found, SortOrder order);

} // namespace anagrove
