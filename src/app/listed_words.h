#pragma once
// The shown results as text to copy or to save: the words alone, the items as
// listed, or a table of comma-separated values.

#include "app/blank_tiles_text.h"
#include "results/found_words.h"
#include "results/result_text.h"

#include <functional>
#include <string>
#include <string_view>

namespace anagrove {

// Every listed word, one a line ("\n"), nothing after the word.
[[nodiscard]] std::string ListedWordsText(const FoundWords& found, const ResultListing& listing);

// Every item exactly as the list shows it, one a line, each line ended by
// lineEnd: "\n", or the system's for a saved file ("\r\n" on Windows).
[[nodiscard]] std::string ListedItemsText(const FoundWords& found, const ResultListing& listing,
                                          std::string_view lineEnd = "\n");

// A header line, then one line for each listed row, in list order: word,
// length, score, blank letters, score with blanks at zero. Lines end in CR LF
// and a field that holds a comma, a quote or a line break is quoted.
[[nodiscard]] std::string ListedCsvText(const FoundWords& found, const ResultListing& listing,
                                        const SearchRack& rack);
// The same table with each row's blanks given by blanksOf (a search in tiles).
[[nodiscard]] std::string ListedCsvText(const FoundWords& found, const ResultListing& listing,
                                        const std::function<BlankUse(const FoundRow&)>& blanksOf);

} // namespace anagrove
