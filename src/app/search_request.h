#pragma once
// "Find Words": from the typed letters and options to the listed results.

#include "app/setting_fields.h"
#include "base/expected.h"
#include "points/letter_points.h"
#include "results/result_text.h"
#include "search/board_letters.h"
#include "search/find_words.h"
#include "sort/sort_found.h"
#include "word_list/word_list.h"

#include <memory>
#include <string>

namespace anagrove {

// What the main window holds when "Find Words" is pressed.
struct SearchRequest {
    std::string letters;                                        // the letters box, unchanged
    std::string minimumText = InitialWord(SettingKey::minimum); // the "Minimum letters:" box
    std::string maximumText = InitialWord(SettingKey::maximum); // the "Maximum letters:" box
    bool noMaximum = InitiallyOn(SettingKey::no_maximum);
    bool anagram = InitiallyOn(SettingKey::anagram);
    SortOrder order = InitialChoice<SortOrder>(SettingKey::order);
    bool usePoints = InitiallyOn(SettingKey::use_points);
};

// The typed letters and the letter values that a search ran with: what its
// rows' blank letters and scores were worked out from.
struct SearchRack {
    std::string letters; // the letters box as it was, blanks as '*'
    LetterPoints points{};
    BoardLetters board{}; // the letters already on the board, which take no tile
};

// The limits of the request, or the message that refuses it: the limits in
// play must be numbers (none in anagram mode, no maximum with no maximum limit).
[[nodiscard]] Expected<SearchLimits> ReadSearchLimits(const SearchRequest& request);

struct SearchOutcome {
    FoundWords found;      // sorted in the request's order
    ResultListing listing; // what the result list shows
    std::string caption;   // the results frame's caption
    std::string status;    // the status bar's text
};

// Matches, scores, sorts and lists, as "Find Words" does once the request has
// been checked.
[[nodiscard]] SearchOutcome RunSearch(const SearchRequest& request, const SearchLimits& limits,
                                      const std::shared_ptr<const WordList>& list,
                                      const LetterPoints& points);

// Sorts and lists words found otherwise (in list order), as "Find Words"
// does after its matching.
[[nodiscard]] SearchOutcome ListFound(const SearchRequest& request, FoundWords found);

// Re-sorts the shown results when the user picks another order.
[[nodiscard]] ResultListing Resort(FoundWords& found, SortOrder order);

} // namespace anagrove
