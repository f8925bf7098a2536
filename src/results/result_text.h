#pragma once
// The texts that show a search's results: list items, the caption and the status.

#include "results/found_words.h"
#include "results/sort_order.h"

#include <cstdint>
#include <string>

namespace anagrove {

// How the items of the result list are written. Every form begins with the
// word and one space.
enum class ItemForm {
    word_only,         // "tea "
    score_in_brackets, // "tea (3)"
    score_after_space, // "tea 3"
};

[[nodiscard]] std::string ItemText(const FoundRow& row, ItemForm form);

// Which rows the result list shows, and how.
struct ResultListing {
    std::int32_t firstRow = 0; // rows before it are not shown
    std::int32_t rowCount = 0; // shown rows, from firstRow on
    ItemForm form = ItemForm::word_only;
};

// The listing right after a search in the given order. The alphabetical order
// leaves out empty words (which it sorts first).
[[nodiscard]] ResultListing SearchListing(const FoundWords& found, SortOrder order, bool usePoints);
// The listing after the user picks another order: every row, with its score.
[[nodiscard]] ResultListing ResortListing(const FoundWords& found);

// " 12 words found"
[[nodiscard]] std::string FoundCaptionText(const FoundWords& found);
// " 12 words found out of 80000 total words.", with a note when matches were left out.
[[nodiscard]] std::string FoundStatusText(const FoundWords& found, std::int32_t wordCount);

} // namespace anagrove
