#pragma once
// The result table of a search.

#include "word_list/word_list.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace anagrove {

// The most rows a search keeps; further matches are counted but not kept.
// Rows 0 to 200000 inclusive, as the result table has always had.
inline constexpr std::int32_t kFoundWordsCapacity = 200001;

// One found word. The word is a slice of the list it was found in; the table
// keeps that list alive, so the rows outlive a switch to another list.
struct FoundRow {
    std::string_view word;
    std::int32_t index = 0; // the word's place in its list
    std::int32_t length = 0;
    std::int64_t score = 0;
};

// The score field as the table shows it ("12", "-3").
[[nodiscard]] std::string ScoreField(const FoundRow& row);
// The length field: the length after one space (" 7").
[[nodiscard]] std::string LengthField(const FoundRow& row);

struct FoundWords {
    std::shared_ptr<const WordList> source;
    std::vector<FoundRow> rows; // the rows of the last search, in their current order
    std::int64_t matched = 0;   // every word that matched, kept or not

    [[nodiscard]] std::int32_t FoundCount() const { return static_cast<std::int32_t>(rows.size()); }
    [[nodiscard]] bool Truncated() const { return matched > FoundCount(); }
};

} // namespace anagrove
